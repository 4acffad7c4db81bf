// The baseline of the start-up measurement: a bare Qt Widgets program built
// by the same preset that opens one empty window of the main window's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(713, 447);
    window.show();
    return app.exec();
}
