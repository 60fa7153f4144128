#include "app/startup.h"
#include "windows/forms.h"
#include "windows/presentation/form4.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PrepareApplication();
    forms().form4()->Show();
    return app.exec();
}
