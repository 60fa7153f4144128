#include "app/startup.h"
#include "commandline.h"
#include "storage/storage.h"
#include "windows/forms.h"
#include "windows/presentation/form4.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The teacher's commands run without a window, before any is made.
    if (const auto status = RunCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    PrepareApplication();
    Storage history; // every child's exercises and this computer's settings, in the user's data folder
    ChooseLanguage(history);
    forms().keepHistory(&history);
    forms().form4()->Show();
    return app.exec();
}
