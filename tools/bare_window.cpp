// The yardstick of tools/bench_start.sh: a Qt Widgets program that only shows an
// empty window the size of the presentation window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("bare"));
    w.resize(480, 360);
    w.show();
    return app.exec();
}
