// The floor: the smallest Qt Widgets program that shows a window of the calculator's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(322, 240);
    window.show();
    return QApplication::exec();
}
