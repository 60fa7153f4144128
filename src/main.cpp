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
    // The history of every child: opened once the first window is on screen,
    // then every finished exercise of the record is written at once.
    Storage history;
    forms().setStorage(&history);
    Form4 *first = forms().form4();
    QObject::connect(
        first, &Form::painted, &history,
        [&history] {
            history.open();
            history.keep(forms().record());
        },
        Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    first->Show();
    return app.exec();
}
