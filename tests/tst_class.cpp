// The class window, worked as a teacher works it, by mouse and by keyboard,
// and read as a screen reader reads it: the door from the presentation window
// and its PIN, the rows and their order, the days, a child's history, the
// spreadsheets and the files for another computer, deleting, the switch.
#include "testkit.h"

#include "storage/storage.h"
#include "storage/teacherpin.h"
#include "storage/transfer.h"
#include "windows/class/classwindow.h"
#include "windows/class/pindialog.h"
#include "windows/forms.h"
#include "windows/presentation/form4.h"
#include "windows/results/historywindow.h"

#include <QAccessibleTableInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

const QDate Today(2026, 12, 9); // a Wednesday

// Lucía keeps taking the smaller digit from the larger; Hugo works every day
// of this week; Ana once, long ago in the school year.
std::vector<Attempt> aClass()
{
    std::vector<Attempt> all{workedColumn("Lucía", "2026-12-07 10:00:00", Op::Subtraction, 52, 18, "64"),
                             workedColumn("Lucía", "2026-12-07 10:05:00", Op::Subtraction, 63, 27, "44"),
                             workedColumn("Lucía", "2026-11-30 10:05:00", Op::Addition, 2, 3, "5"),
                             workedColumn("Ana", "2026-09-15 12:00:00", Op::Addition, 2, 3, "5")};
    for (int day = 7; day <= 9; ++day)
        for (int i = 0; i < day - 5; ++i)
            all.push_back(workedColumn("Hugo", QStringLiteral("2026-12-%1 09:0%2:00").arg(day, 2, 10, QChar('0')).arg(i), Op::Addition, 2, 3,
                                       i == 0 ? "6" : "5"));
    return all;
}

// Answers each modal window as it comes up, in turn, with the next of these;
// one an answer left open (a check failed) is closed after a while.
class Modals : public QObject
{
public:
    explicit Modals(QList<std::function<void(QWidget *)>> answers) : answers_(std::move(answers))
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget *m = QApplication::activeModalWidget();
            if (m && m != last_ && !answers_.isEmpty()) {
                last_ = m;
                open_.start();
                answers_.takeFirst()(m);
            } else if (m && m == last_ && open_.isValid() && open_.elapsed() > 5000) {
                m->close();
            }
        });
        timer_.start(10);
    }
    bool done() const { return answers_.isEmpty(); }

private:
    QList<std::function<void(QWidget *)>> answers_;
    QTimer timer_;
    QElapsedTimer open_;
    QPointer<QWidget> last_;
};

// A message box's words, and a press on one of its buttons.
std::function<void(QWidget *)> press(QString *said, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    return [said, button](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        *said = box->text();
        box->button(button)->click();
    };
}

QString cellsOf(ClassWindow *w, int row)
{
    // As a screen reader reads them: each cell of the table's row.
    QAccessibleTableInterface *t = QAccessible::queryAccessibleInterface(w->table)->tableInterface();
    QStringList cells;
    for (int c = 0; c < t->columnCount(); ++c)
        cells << t->cellAt(row, c)->text(QAccessible::Name);
    return cells.join(" | ");
}

// What a screen reader calls the control that has the focus.
QString focusName() { return spoken(QApplication::focusWidget()); }

QString names(ClassWindow *w)
{
    QStringList n;
    for (int r = 0; r < w->table->model()->rowCount(); ++r)
        n << w->table->model()->index(r, 0).data().toString();
    return n.join(", ");
}

} // namespace

class TestClass : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestData> data;
    QTemporaryDir dir_, settings_;
    std::unique_ptr<Storage> history_;

    // The class window as the teacher opens it: Profesorado, the PIN, and the class.
    ClassWindow *openClass()
    {
        TeacherPin(*history_).set("2468");
        Form4 *f = forms().form4();
        f->Show();
        if (!QTest::qWaitForWindowActive(f))
            return nullptr;
        Modals pin({[](QWidget *w) {
            auto *d = qobject_cast<PinDialog *>(w);
            QVERIFY(d && !d->choosing());
            QTest::keyClicks(d->first, "2468");
            QTest::keyClick(d->first, Qt::Key_Return);
        }});
        click(f->Command2);
        return forms().classWindow();
    }

private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings_.path()); }
    void init()
    {
        resetProgram();
        data = std::make_unique<TestData>();
        static int made = 0;
        history_ = std::make_unique<Storage>(dir_.filePath(QStringLiteral("cuentas%1.sqlite").arg(++made)));
        QVERIFY(history_->open() && history_->merge(aClass()));
        forms().setStorage(history_.get());
        ClassWindow::today = [] { return Today; };
        ClassWindow::chooseFile = {};
    }
    void cleanup()
    {
        resetProgram();
        history_.reset();
        data.reset();
    }

    // The door: Profesorado by mouse, by Ctrl+P and by keyboard; the PIN
    // chosen the first time (twice the same, 4 to 8 digits), asked for after.
    void door_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("a click") << "click";
        QTest::newRow("Ctrl+P") << "key";
        QTest::newRow("Tab to it, Space") << "tab";
    }
    void door()
    {
        QFETCH(QString, how);
        Form4 *f = forms().form4();
        f->Show();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QCOMPARE(spoken(f->Command2), QStringLiteral("Profesorado"));
        QStringList said;
        Modals choose({[&](QWidget *w) {
            auto *d = qobject_cast<PinDialog *>(w);
            QVERIFY(d && d->choosing() && d->second);
            for (const auto &[first, second] : {std::pair{"12", "12"}, std::pair{"1234", "1243"}, std::pair{"1234", "1234"}}) {
                d->first->setText(first);
                d->second->setText(second);
                QTest::keyClick(d->second, Qt::Key_Return);
                said << d->message->text();
            }
        }});
        if (how == "click")
            click(f->Command2);
        else if (how == "key")
            QTest::keyClick(f->Text1, Qt::Key_P, Qt::ControlModifier);
        else
            keys(f, "ttt_");
        QVERIFY(choose.done());
        QCOMPARE(said, QStringList({"El PIN tiene de 4 a 8 cifras, sin letras.", "Los dos PIN no son iguales.", "Los dos PIN no son iguales."}));
        ClassWindow *c = forms().classWindow();
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), QStringLiteral("Clase"));
        QCOMPARE(c->Rows().size(), std::size_t(3));
        c->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!forms().classWindow());

        // Afterwards the PIN is asked for: a wrong one, Escape, then the right one.
        for (const QString typed : {"4321", "", "1234"}) {
            Modals ask({[&](QWidget *w) {
                auto *d = qobject_cast<PinDialog *>(w);
                QVERIFY(d && !d->choosing() && !d->second);
                if (typed.isEmpty())
                    return QTest::keyClick(d, Qt::Key_Escape);
                QTest::keyClicks(d->first, typed);
                QTest::keyClick(d->first, Qt::Key_Return);
                if (typed == "4321") {
                    QCOMPARE(d->message->text(), QStringLiteral("PIN equivocado. Intentos que quedan: 4."));
                    QTest::keyClick(d, Qt::Key_Escape);
                }
            }});
            click(f->Command2);
            QVERIFY(ask.done());
            QCOMPARE(bool(forms().classWindow()), typed == "1234");
        }
    }

    // The PIN dialog waits after five wrong tries, by its own clock.
    void pinWaits()
    {
        qint64 now = 0;
        TeacherPin pin(*history_, [&] { return now; });
        QVERIFY(pin.set("2468"));
        const ClassWords words;
        PinDialog d(pin, words);
        d.show();
        for (int i = 0; i < 5; ++i) {
            d.first->setText("1357");
            d.tryPin();
        }
        QCOMPARE(d.message->text(), QStringLiteral("Demasiados intentos: espera un poco (30 s)."));
        QVERIFY(!d.first->isEnabled() && !d.okButton->isEnabled());
        now += 30000;
        d.showWait();
        QVERIFY(d.first->isEnabled() && d.message->text().isEmpty());
        d.first->setText("2468");
        d.tryPin();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    // Without a history on this computer the door says why, and asks for nothing.
    void noHistory()
    {
        Storage off(dir_.filePath("off.sqlite"));
        QDir().mkpath(settings_.filePath("Cuentas"));
        QFile conf(settings_.filePath("Cuentas/Cuentas.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly) && conf.write("[Historial]\nGuardar=no\n") > 0);
        conf.close();
        QVERIFY(!off.open());
        forms().setStorage(&off);
        forms().form4()->Show();
        QString said;
        Modals box({press(&said)});
        click(forms().form4()->Command2);
        QVERIFY(box.done());
        QCOMPARE(said, QStringLiteral("El historial no se guarda en este ordenador: el administrador de este ordenador lo ha desactivado."));
        QVERIFY(!forms().classWindow());
        QFile::remove(settings_.filePath("Cuentas/Cuentas.conf"));
    }

    // Every control by keyboard, with the name a screen reader says; the table
    // read cell by cell; Enter and a double click open the child's history.
    void keyboardAndScreenReader()
    {
        ClassWindow *c = openClass();
        QVERIFY(c && QTest::qWaitForWindowActive(c));
        c->FinishMistakes();
        QCOMPARE(focusName(), QStringLiteral("Niños de la clase"));
        QStringList order;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << focusName();
        }
        QCOMPARE(order, QStringList({"Ver el historial", "Exportar", "Exportar para otro ordenador…", "Importar…", "Borrar el historial de un niño…",
                                     "Borrar lo anterior a un día…", "Guardar el historial en este ordenador", "Cerrar", "Este curso", "Nombre",
                                     "Al revés", "Niños de la clase"}));
        // A list is named by its choice, and described by what it is for.
        QCOMPARE(spoken(c->periodBox, QAccessible::Description) + "/" + spoken(c->sortBox, QAccessible::Description), "Fechas/Ordenar por");
        QAccessibleTableInterface *t = QAccessible::queryAccessibleInterface(c->table)->tableInterface();
        QCOMPARE(t->columnDescription(5), QStringLiteral("Qué repasar"));
        QCOMPARE(cellsOf(c, 0), QStringLiteral("Ana | 1 | 1 | ninguno | 100 % de 1 | ninguno | 15 de septiembre de 2026"));
        QCOMPARE(cellsOf(c, 1), QStringLiteral("Hugo | 3 | 9 | 66 % de 9 | ninguno | ninguno | 9 de diciembre de 2026"));
        QCOMPARE(cellsOf(c, 2), QStringLiteral("Lucía | 2 | 3 | 0 % de 2 | 100 % de 1 | Resta el número menor del mayor | 7 de diciembre de 2026"));

        // Down to Hugo, Enter: his history; a double click on Lucía: hers.
        c->table->setFocus();
        QTest::keyClick(c->table, Qt::Key_Down);
        QTest::keyClick(c->table, Qt::Key_Return);
        QVERIFY(forms().history()->isVisible());
        QCOMPARE(forms().history()->windowTitle(), QStringLiteral("Historial de Hugo"));
        const QRect lucia = c->table->visualRect(c->table->model()->index(2, 0));
        QTest::mouseClick(c->table->viewport(), Qt::LeftButton, Qt::NoModifier, lucia.center()); // a double click's first press
        QTest::mouseDClick(c->table->viewport(), Qt::LeftButton, Qt::NoModifier, lucia.center());
        QCOMPARE(forms().history()->windowTitle(), QStringLiteral("Historial de Lucía"));
        // Escape closes the class window.
        QTest::keyClick(c->table, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!forms().classWindow());
    }

    // Sorted by any column, either way: by a click on its heading or by the
    // two choices above the table, which follow each other.
    void sort_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<bool>("byHeading");
        QTest::addColumn<QString>("order");
        QTest::newRow("name, backwards, by heading") << 0 << true << true << "Lucía, Hugo, Ana";
        QTest::newRow("days") << 1 << false << false << "Ana, Lucía, Hugo";
        QTest::newRow("exercises, most first") << 2 << true << false << "Hugo, Lucía, Ana";
        QTest::newRow("this week, by heading") << 3 << false << true << "Ana, Lucía, Hugo";
        QTest::newRow("before") << 4 << false << false << "Hugo, Ana, Lucía";
        QTest::newRow("what to practise, most first") << 5 << true << false << "Lucía, Ana, Hugo";
        QTest::newRow("the last day") << 6 << false << true << "Ana, Lucía, Hugo";
    }
    void sort()
    {
        QFETCH(int, column);
        QFETCH(bool, reversed);
        QFETCH(bool, byHeading);
        QFETCH(QString, order);
        ClassWindow c(*history_);
        c.show();
        c.FinishMistakes();
        if (byHeading) {
            // A heading not sorted by yet sorts up, and each click after turns it; the names are sorted up already.
            QHeaderView *h = c.table->horizontalHeader();
            const int clicks = column == 0 ? (reversed ? 1 : 2) : (reversed ? 2 : 1);
            for (int i = 0; i < clicks; ++i)
                QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(h->sectionViewportPosition(column) + 5, h->height() / 2));
            QCOMPARE(c.sortBox->currentIndex(), column);
            QCOMPARE(c.reverseBox->isChecked(), reversed);
        } else {
            c.sortBox->setCurrentIndex(column);
            c.reverseBox->setChecked(reversed);
        }
        QCOMPARE(names(&c), order);
        QCOMPARE(c.table->horizontalHeader()->sortIndicatorSection(), column);
    }

    // The days chosen: this week, this month, this school year, between two days.
    void days()
    {
        ClassWindow c(*history_);
        QCOMPARE(names(&c), QStringLiteral("Ana, Hugo, Lucía")); // this school year
        QVERIFY(!c.fromDate->isEnabled());
        c.periodBox->setCurrentIndex(0);
        QCOMPARE(names(&c), QStringLiteral("Hugo, Lucía"));
        c.periodBox->setCurrentIndex(3);
        QVERIFY(c.fromDate->isEnabled() && c.toDate->isEnabled());
        c.fromDate->setDate(QDate(2026, 11, 30));
        c.toDate->setDate(QDate(2026, 11, 30));
        QCOMPARE(names(&c), QStringLiteral("Lucía"));
        QCOMPARE(cellsOf(&c, 0).section(" | ", 0, 4), QStringLiteral("Lucía | 1 | 1 | ninguno | 100 % de 1"));
    }

    // The spreadsheets and the file for another computer, where the teacher
    // says; another computer's history taken in (twice); a damaged one refused.
    void files()
    {
        QList<ClassWindow::FileUse> asked;
        ClassWindow::chooseFile = [&](ClassWindow::FileUse use, const QString &suggested) {
            asked << use;
            if (use == ClassWindow::FileUse::HistoryIn)
                return dir_.filePath("otro.cuentas");
            return dir_.filePath(suggested);
        };
        Storage other(dir_.filePath("otro.sqlite"));
        QVERIFY(other.open() && other.merge({workedColumn("Leo", "2026-12-08 11:00:00", Op::Addition, 4, 4, "8")}));
        QVERIFY(Transfer::Write(other, dir_.filePath("otro.cuentas")).trouble == Transfer::Trouble::None);

        ClassWindow c(*history_);
        c.show();
        QString said[5];
        Modals boxes({press(&said[0]), press(&said[1]), press(&said[2]), press(&said[3]), press(&said[4])});
        c.byExerciseAction->trigger();
        c.byChildAction->trigger();
        click(c.exportAllButton);
        click(c.importButton);
        click(c.importButton);
        QVERIFY(boxes.done());
        const QString sheet = dir_.filePath("Clase 2026-12-09.csv");
        QCOMPARE(said[0], "Guardado en " + QDir::toNativeSeparators(sheet) + ". Ejercicios: 13.");
        QCOMPARE(said[1], "Guardado en " + QDir::toNativeSeparators(sheet) + ". Ejercicios: 13.");
        QVERIFY(said[2].endsWith(". Ejercicios: 13."));
        QCOMPARE(said[3], QStringLiteral("Importado. Ejercicios nuevos: 1. Niños: 1 (nuevos en este ordenador: 1)."));
        QCOMPARE(said[4], QStringLiteral("No había nada nuevo: ese historial ya estaba en este ordenador."));
        QCOMPARE(names(&c), QStringLiteral("Ana, Hugo, Leo, Lucía"));
        QCOMPARE(asked, QList<ClassWindow::FileUse>({ClassWindow::FileUse::SheetByExercise, ClassWindow::FileUse::SheetByChild,
                                                       ClassWindow::FileUse::HistoryOut, ClassWindow::FileUse::HistoryIn,
                                                       ClassWindow::FileUse::HistoryIn}));
        QFile byChild(sheet);
        QVERIFY(byChild.open(QIODevice::ReadOnly));
        QCOMPARE(byChild.readAll().count("\r\n"), 4); // the heading and a line per child

        // A damaged file: one line in a warning, nothing changed.
        QFile::resize(dir_.filePath("otro.cuentas"), 60);
        const int before = history_->count();
        Modals warning({press(&said[0])});
        click(c.importButton);
        QVERIFY(warning.done());
        QCOMPARE(said[0], QStringLiteral("Ese archivo está dañado o incompleto: no se ha cambiado nada."));
        QCOMPARE(history_->count(), before);
        // Given up at the file dialog: nothing at all.
        ClassWindow::chooseFile = [](ClassWindow::FileUse, const QString &) { return QString(); };
        click(c.exportAllButton);
        QCOMPARE(history_->count(), before);
    }

    // A child's history deleted after a question that names the child and the
    // exercises; everything before a day; No keeps everything.
    void forget()
    {
        ClassWindow c(*history_);
        c.show();
        c.table->setCurrentIndex(c.table->model()->index(2, 0)); // Lucía
        QString asked;
        Modals no({press(&asked, QMessageBox::No)});
        click(c.forgetChildButton);
        QVERIFY(no.done());
        QCOMPARE(asked, QStringLiteral("¿Borrar todo el historial de Lucía? Ejercicios: 3. No se puede deshacer."));
        QCOMPARE(history_->count(), 13);
        Modals yes({press(&asked, QMessageBox::Yes)});
        click(c.forgetChildButton);
        QVERIFY(yes.done());
        QCOMPARE(names(&c), QStringLiteral("Ana, Hugo"));
        QCOMPARE(history_->count(), 10);
        QCOMPARE(c.status->text(), QStringLiteral("Borrado. Ejercicios borrados: 3."));

        // Before the 1st of December: Ana's September goes.
        Modals day({[](QWidget *w) {
                        auto *date = w->findChild<QDateEdit *>();
                        QVERIFY(date && date->date() == QDate(2026, 9, 1)); // the school year's first day, unless changed
                        date->setDate(QDate(2026, 12, 1));
                        QTest::keyClick(date, Qt::Key_Return);
                    },
                    press(&asked, QMessageBox::Yes)});
        click(c.forgetBeforeButton);
        QVERIFY(day.done());
        QCOMPARE(asked, QStringLiteral("¿Borrar todo lo anterior al 1 de diciembre de 2026? Ejercicios: 1. No se puede deshacer."));
        QCOMPARE(names(&c), QStringLiteral("Hugo"));
        QCOMPARE(history_->count(), 9);
    }

    // The switch keeps the history on this computer or not; the file of the
    // whole computer wins over it, and the switch says so.
    void keepSwitch()
    {
        {
            ClassWindow c(*history_);
            c.show();
            QVERIFY(c.keepBox->isChecked() && c.keepBox->isEnabled());
            click(c.keepBox);
            QVERIFY(!history_->keeping() && !c.keepBox->isChecked());
            click(c.keepBox);
            QVERIFY(history_->keeping());
        }
        QDir().mkpath(settings_.filePath("Cuentas"));
        QFile conf(settings_.filePath("Cuentas/Cuentas.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly) && conf.write("[Historial]\nGuardar=no\n") > 0);
        conf.close();
        ClassWindow c(*history_);
        QVERIFY(!c.keepBox->isChecked() && !c.keepBox->isEnabled());
        QCOMPARE(spoken(c.keepBox, QAccessible::Description), QStringLiteral("El administrador ha apagado el historial en este ordenador."));
        QFile::remove(settings_.filePath("Cuentas/Cuentas.conf"));
    }
};

QTEST_MAIN(TestClass)
#include "tst_class.moc"
