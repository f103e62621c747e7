// Asks an X11 window to close, as a window manager's close button does: sends it the
// WM_DELETE_WINDOW message. Usage: close_window <window id>
// The send is checked with a round trip, so the server has taken the message before the tool
// disconnects; a bare flush and disconnect can lose it on a busy machine.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <window id>\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) return 1;

    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    event.type = atom(connection, "WM_PROTOCOLS");
    event.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_send_event_checked(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                                           reinterpret_cast<const char*>(&event)));
    const int status = error ? 1 : 0;
    if (error)
        std::fprintf(stderr, "X error %d sending to window %s\n", error->error_code, argv[1]);
    std::free(error);
    xcb_disconnect(connection);
    return status;
}
