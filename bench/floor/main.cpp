// The floor the program is measured against: the least a Qt Widgets program does to put a
// window of Orvelle's client size on the screen, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(565, 339);
    window.show();
    return QApplication::exec();
}
