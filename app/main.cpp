#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("TARQ362A Gaming Mouse");
    QWidget window;
    window.setWindowTitle("TARQ362A Gaming Mouse v1.0");
    window.resize(1030, 662);
    window.show();
    return app.exec();
}
