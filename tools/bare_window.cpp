// The yardstick of tools/bench_start.sh: a Qt Widgets program that only shows an
// empty window the size of the presentation window; with --controls, the same
// window with what the presentation window shows (a picture, a label, a text box
// and a button), made with plain Qt widgets.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(476, 456);
    const bool controls = argc > 2 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--controls");
    w.setWindowTitle(controls ? QStringLiteral("bare controls") : QStringLiteral("bare"));
    if (controls) {
        auto *card = new QLabel(&w);
        card->setPixmap(QPixmap(QString::fromLocal8Bit(argv[2])));
        card->setGeometry(8, 8, 457, 332);
        auto *label = new QLabel(QStringLiteral("Nombre"), &w);
        label->setGeometry(8, 360, 145, 25);
        auto *name = new QLineEdit(&w);
        name->setGeometry(160, 352, 305, 48);
        auto *accept = new QPushButton(QStringLiteral("ACEPTAR"), &w);
        accept->setGeometry(160, 408, 305, 41);
        name->setFocus();
    }
    w.show();
    return app.exec();
}
