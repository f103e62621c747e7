// Starts a program and measures how long it takes until its first top-level window is mapped
// on the X server, and how much memory it holds once that window shows.
// Usage: map_timer <settle ms> <program> [arguments...]
// Prints one line: <milliseconds to map> <RSS kB> <PSS kB>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

// Rss and Pss of a process, in kB, from its memory rollup.
std::pair<long, long> memoryOf(pid_t pid) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    long rss = -1, pss = -1;
    std::string key;
    long value = 0;
    std::string unit;
    while (rollup >> key) {
        if (key == "Rss:" || key == "Pss:") {
            rollup >> value >> unit;
            (key == "Rss:" ? rss : pss) = value;
        } else {
            std::getline(rollup, unit);
        }
    }
    return {rss, pss};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <settle ms> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("exec");
        _exit(127);
    }

    double mappedMs = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                            !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
        std::free(event);
        if (mapped) {
            mappedMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const auto [rss, pss] = memoryOf(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    std::printf("%.1f %ld %ld\n", mappedMs, rss, pss);
    return mappedMs < 0 ? 1 : 0;
}
