// A copy of the program for the storage tests, run as a child process, with
// the history kept in FILE as the program keeps it:
//   history_child FILE NAME K            types NAME at the presentation window and
//                                        works K sums in the main window; says "done n"
//                                        after each, then waits to be killed
//   history_child FILE NAME K --direct   writes K sums straight through the storage,
//                                        as fast as it can, and ends
#include "testkit.h"

#include "storage/storage.h"
#include "windows/column/form1.h"
#include "windows/forms.h"
#include "windows/presentation/form4.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const QString name = args[2];
    const int k = args[3].toInt();
    TestData data;
    Storage storage(args[1]);
    auto done = [](int n) {
        std::printf("done %d\n", n);
        std::fflush(stdout);
    };
    if (args.value(4) == QLatin1String("--direct")) {
        if (!storage.open())
            return 1;
        for (int i = 1; i <= k; ++i) {
            Exercise e = Exercise::Of(Op::Addition, i, 1);
            e.Answer[0].enter({DigitKey::Digit, (i + 1) % 10});
            e.Judge();
            Attempt a = Attempt::Of(e, false);
            a.id = QUuid::createUuid();
            a.child = name;
            a.ended = QDateTime::currentDateTimeUtc();
            if (!storage.add(a))
                return 1;
            done(i);
        }
        return 0;
    }
    forms().keepHistory(&storage);
    Form4 *presentation = forms().form4();
    presentation->Show();
    if (!QTest::qWaitFor([&] { return storage.isOpen(); }, 5000)) // opened once the window is drawn
        return 1;
    presentation->Text1->setText(name);
    click(presentation->Command1);
    Form1 *f = forms().form1();
    for (int i = 1; i <= k; ++i) {
        QString unitsFirst = QString::number(10 * i + 7);
        std::reverse(unitsFirst.begin(), unitsFirst.end());
        answerColumn(f, Op::Addition, 10 * i, 7, unitsFirst);
        done(i);
    }
    return app.exec(); // until killed
}
