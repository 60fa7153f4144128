#include "app/language.h"
#include "app/startup.h"
#include "windows/forms.h"
#include "windows/presentation/form4.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PrepareApplication();
    // The language chosen last on this computer, or the desktop's the first time.
    // (Language::setMemory, to keep the choice between runs, comes before this.)
    Language::setCurrent(Language::atStart());
    forms().form4()->Show();
    return app.exec();
}
