// The floors: the smallest Qt Widgets program that shows a window of the calculator's size,
// blank, or with --chinese-text one line of Chinese text, which is what it costs to bring up
// fontconfig, Qt's font database and a CJK face.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(322, 240);
    if (argc > 1 && std::strcmp(argv[1], "--chinese-text") == 0) {
        auto* label = new QLabel(QStringLiteral("注：贷款金额以审核结束的结果为准！"), &window);
        label->move(8, 8);
    }
    window.show();
    return QApplication::exec();
}
