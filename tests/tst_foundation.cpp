// The shared foundation: language files, the animated-picture control, sounds,
// the background step, how the controls look (captions, focus frame, marks)
// and what a screen reader finds in every window.
#include "testkit.h"

#include "app/module1.h"
#include "app/language.h"
#include "app/clock.h"
#include "ui/accessible.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "windows/column/form1.h"
#include "windows/division/form2.h"
#include "windows/forms.h"
#include "windows/multiplication/form3.h"
#include "windows/presentation/form4.h"
#include "windows/results/form5.h"

#include <QMap>
#include <QSet>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>
#include <QVector3D>

namespace {

// Every back colour a button of a window has, and those the checks and the flash give them.
QSet<vb::Colour> backColours()
{
    QSet<vb::Colour> colours{vb::Blue, vb::Red, vb::White, vb::Green, 0xFFFF80, vb::ButtonFace};
    for (int n = 10; n <= 15; ++n)
        colours << vb::paletteColour(n);
    Module1::PlayerName = "Ana";
    for (QWidget *w : {static_cast<QWidget *>(forms().form1()), static_cast<QWidget *>(forms().form2()),
                       static_cast<QWidget *>(forms().form3()), static_cast<QWidget *>(forms().form4()),
                       static_cast<QWidget *>(forms().form5())})
        for (CommandButton *b : w->findChildren<CommandButton *>())
            colours << b->BackColor();
    return colours;
}

} // namespace

class TestFoundation : public FreshProgramTest
{
    Q_OBJECT

private slots:
    void languageFile_data()
    {
        QTest::addColumn<QString>("fileName"); // as written on disk
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << "prueba.txt" << QByteArray("uno\r\ndos\r\n") << 2 << true << QStringList{"uno", "dos"};
        QTest::newRow("LF only") << "prueba.txt" << QByteArray("uno\ndos\n") << 2 << true << QStringList{"uno", "dos"};
        QTest::newRow("no final line end") << "prueba.txt" << QByteArray("uno\r\ndos") << 2 << true << QStringList{"uno", "dos"};
        QTest::newRow("empty line") << "prueba.txt" << QByteArray("uno\r\n\r\ntres\r\n") << 3 << true << QStringList{"uno", "", "tres"};
        QTest::newRow("extra lines ignored") << "prueba.txt" << QByteArray("a\r\nb\r\nc\r\nd\r\n") << 2 << true << QStringList{"a", "b"};
        QTest::newRow("short file") << "prueba.txt" << QByteArray("a\r\n") << 3 << true << QStringList{"a"};
        QTest::newRow("empty file") << "prueba.txt" << QByteArray() << 3 << true << QStringList{};
        QTest::newRow("blanks kept") << "prueba.txt" << QByteArray("  dos blancos \r\n\tt\r\n") << 2 << true
                                     << QStringList{"  dos blancos ", "\tt"};
        QTest::newRow("accented capitals") << "prueba.txt" << QByteArray("\xC1\xC9\xCD\xD3\xDA\xD1\xDC \xBF\xA1 \x80 \x96\r\n")
                                           << 1 << true << QStringList{QStringLiteral("ÁÉÍÓÚÑÜ ¿¡ € –")};
        // re-saved by a modern editor, or damaged
        auto utf16 = [](const QString &s, bool little) { // with its byte-order mark
            return QByteArray(QStringEncoder(little ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom)(s));
        };
        const QString two = QStringLiteral("SALIDA\r\n¡MUY BIEN!\r\n");
        const QStringList both{"SALIDA", "¡MUY BIEN!"};
        QTest::newRow("UTF-8") << "prueba.txt" << two.toUtf8() << 3 << true << both;
        QTest::newRow("UTF-8 with a byte-order mark") << "prueba.txt" << "\xEF\xBB\xBF" + two.toUtf8() << 3 << true << both;
        QTest::newRow("UTF-16 little-endian") << "prueba.txt" << utf16(two, true) << 3 << true << both;
        QTest::newRow("UTF-16 big-endian, no final line end") << "prueba.txt" << utf16(two.chopped(2), false) << 3 << true << both;
        QTest::newRow("control characters") << "prueba.txt" << (QByteArray("SA\x01LI") + '\0' + "DA\t!\x7F\r\n\r\nBIEN\x1B\r\n") << 3
                                            << true << QStringList{"SALIDA\t!", "", "BIEN"};
        QTest::newRow("1 MB of NUL bytes") << "prueba.txt" << QByteArray(1 << 20, '\0') << 2 << true << QStringList{""};
        QTest::newRow("a very long line, cut") << "prueba.txt" << QByteArray(200'000, 'A') + "\r\nB\r\n" << 3 << true
                                               << QStringList{QString(300, 'A'), "B"};
        QTest::newRow("other case") << "Prueba.txt" << QByteArray("uno\r\n") << 1 << false << QStringList{};
        QTest::newRow("missing") << "" << QByteArray() << 1 << false << QStringList{};
    }
    void languageFile()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(bool, found);
        QFETCH(QStringList, lines);
        if (!fileName.isEmpty())
            data->write("/idioma/" + fileName, bytes);
        const auto read = Language::read("/idioma/", "prueba.txt", count);
        QCOMPARE(read.has_value(), found);
        if (found)
            QCOMPARE(*read, lines);
        // handed out by number, as far as the file has lines
        QStringList got(count, "-");
        std::vector<Language::Line> table;
        for (int n = count; n >= 1; --n)
            table.push_back({n, Language::into(got[n - 1])});
        Language::load("/idioma/", "prueba.txt", table);
        for (int i = 0; i < count; ++i)
            QCOMPARE(got[i], i < lines.size() ? lines[i] : QStringLiteral("-"));
    }

    void animations_data()
    {
        QTest::addColumn<QString>("file");      // shown instead of 1.gif once the control shows
        QTest::addColumn<QByteArray>("broken"); // written to that file, unless empty
        QTest::addColumn<bool>("ends");         // reports its end: a whole animation that does not loop
        QTest::newRow("a looping animation") << "/gifs/3.gif" << QByteArray() << false;
        QTest::newRow("an animation that ends") << "/gifs/si.gif" << QByteArray() << true;
        QTest::newRow("not a GIF") << "/gifs/roto.gif" << QByteArray("this is not a picture") << false;
        QTest::newRow("truncated GIF") << "/gifs/roto.gif" << QByteArray("GIF89a\x10\x00\x10\x00\x80\x00\x00", 13) << false;
    }
    void animations()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, broken);
        QFETCH(bool, ends);
        if (!broken.isEmpty())
            data->write(file, broken);
        QWidget host;
        auto *v = new Vorlando(&host);
        v->place(0, 0, 1215, 1095);
        host.show();
        v->hide(); // a hidden control waits, and shows the file given last
        v->setFile(data->path("/gifs/1.gif"));
        QVERIFY(!v->isPlaying());
        QSignalSpy end(v, &Vorlando::GifEnd);
        v->setFile(data->path(file));
        v->show();
        QCOMPARE(v->isPlaying(), broken.isEmpty());
        QCOMPARE(v->hasAnimation(), broken.isEmpty()); // a broken file shows nothing, the old one gone too
        QCOMPARE(v->frameCount() > 1, broken.isEmpty());
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QCOMPARE(end.wait(ends ? 5000 : 1500), ends);
        QCOMPARE(end.count(), int(ends));
        v->setFile(QString());
        QVERIFY(!v->hasAnimation());
    }

    void buttonsReadOnEveryColour()
    {
        // On every colour a button takes, locked or not: the caption stands out
        // (4.5:1), the keyboard's focus frame stands out (3:1) while the keyboard
        // is in use and never for the mouse, and a judged digit keeps clear of its mark.
        const QSet<vb::Colour> colours = backColours();
        QVERIFY2(colours.size() > 12, qPrintable(QString::number(colours.size())));
        QWidget host;
        host.resize(200, 200);
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        for (vb::Colour colour : colours)
            for (bool enabled : {true, false}) {
                auto *b = new CommandButton(&host);
                b->place(0, 0, 975, 1350);
                b->setFont(QFont("Arial", 40, QFont::Bold));
                b->setBackColor(colour);
                b->setCaption("8");
                b->setEnabled(enabled);
                b->show();
                const QImage plain = b->grab().toImage();
                const qreal dpr = plain.devicePixelRatio();
                double best = 1;
                for (int y = 10; y < plain.height() - 10; ++y)
                    for (int x = 10; x < plain.width() - 10; ++x)
                        best = qMax(best, contrast(plain.pixel(x, y), vb::toQColor(colour).rgb()));
                QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1 %2: %3").arg(colour, 6, 16, QChar('0')).arg(enabled).arg(best)));
                if (enabled) {
                    b->setFocus();
                    QTest::mouseClick(&host, Qt::LeftButton); // the mouse in use: no frame
                    QCOMPARE(b->grab().toImage(), plain);
                    QTest::keyClick(&host, Qt::Key_Shift); // the keyboard in use: a frame
                    const QImage framed = b->grab().toImage();
                    for (QPoint mid : {QPoint(plain.width() / 2, 0), QPoint(0, plain.height() / 2)}) {
                        double ring = 1;
                        for (int inset = 0; inset < int(5 * dpr); ++inset) {
                            const QPoint at = mid + (mid.x() ? QPoint(0, inset) : QPoint(inset, 0));
                            ring = qMax(ring, contrast(framed.pixel(at), plain.pixel(at)));
                        }
                        QVERIFY2(ring >= 3, qPrintable(QStringLiteral("frame on %1: %2").arg(colour, 6, 16, QChar('0')).arg(ring)));
                    }
                }
                delete b;
            }
        // Marks: in the cells of each window (width, height in twips, points), with every digit, on right and wrong colours.
        for (QVector3D c : {QVector3D(975, 1350, 72), QVector3D(615, 735, 27.75), QVector3D(735, 735, 24)})
            for (Verdict v : {Verdict::Right, Verdict::Wrong})
                for (vb::Colour colour : {vb::Blue, vb::Red, vb::Colour(0xFFFF80)})
                    for (int digit = 0; digit <= 9; ++digit) {
                        CommandButton cell(&host);
                        cell.place(0, 0, int(c.x()), int(c.y()));
                        cell.setFont(QFont("Arial", c.z(), QFont::Bold));
                        cell.setBackColor(colour);
                        cell.setCaption(QString::number(digit));
                        cell.setVerdict(v);
                        const QRectF mark = cell.markBounds(), caption = cell.captionBounds(), whole = cell.rect();
                        QVERIFY2(whole.contains(mark) && whole.contains(caption) && !mark.isEmpty() && !mark.intersects(caption),
                                 qPrintable(QStringLiteral("%1 in %2×%3").arg(digit).arg(cell.width()).arg(cell.height())));
                        const QImage withMark = cell.grab().toImage(); // and the mark is drawn
                        cell.setVerdict(Verdict::None);
                        QVERIFY(withMark != cell.grab().toImage());
                    }
    }

    void everyControlHasAName_data()
    {
        QTest::addColumn<int>("window");
        for (int w = 1; w <= 5; ++w)
            QTest::addRow("window %d", w) << w;
    }
    void everyControlHasAName()
    {
        // Every showing control has a name; no two controls that take the focus share one.
        QFETCH(int, window);
        Clock::setSecond(1);
        Form1 *main = loadMainWindow();
        Form *f = main;
        if (window == 1) {
            click(main->Command7[0]); // the race on: speeds and runner shown
            click(main->Command1[3]); // tables and the long multiplication
        } else if (window == 2) {
            Form2 *d = forms().form2();
            d->Show();
            d->Timer1->setEnabled(false);
            d->ShowDivision(LongDivision::Of(1234, 7));
            click(d->Command3);
            click(d->Command11[0]);
            click(d->Command12[1]); // a row judged, a light lit, the next row open
            QVERIFY(role(d->Shape1[0]) == QAccessible::Indicator && role(d->Command10[0]) == QAccessible::StaticText &&
                    QAccessible::queryAccessibleInterface(d->Command10[0])->actionInterface()->actionNames().isEmpty()); // a score is read, not pressed
            QCOMPARE(spoken(d->Shape1[0]) + ", " + spoken(d->Shape1[0], QAccessible::Description) + "; " + spoken(d->Command10[0]),
                     QStringLiteral("Luz 1, mal; Cifras bien: 50 % bien"));
            f = d;
        } else {
            if (window == 4)
                forms().unloadAll();
            addAttempt(ExerciseKind::Addition, 2, 3, true);
            f = window == 3 ? static_cast<Form *>(forms().form3()) : window == 4 ? static_cast<Form *>(forms().form4()) : forms().form5();
            f->Show();
        }
        QVERIFY(!spoken(f).isEmpty() || !f->windowTitle().isEmpty());
        QMap<QString, QString> operable;
        for (QWidget *w : f->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(f) || w->inherits("Announcement") || !QAccessible::queryAccessibleInterface(w))
                continue;
            if (w->parentWidget() != f) // the parts Qt's own controls are made of
                continue;
            const QString name = spoken(w);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(w->objectName()));
            if (w->focusPolicy() != Qt::NoFocus && w->isEnabled()) {
                QVERIFY2(!operable.contains(name), qPrintable(w->objectName() + " and " + operable.value(name) + ": " + name));
                operable[name] = w->objectName();
            }
        }
        QVERIFY(operable.size() >= (window == 4 ? 2 : 3));
    }

    void digitCellsAsAScreenReaderHearsThem()
    {
        Form1 *f = loadMainWindow();
        click(f->Command1[1]);
        f->ShowExercise(Exercise::Of(Op::Addition, 5, 7));
        CommandButton *tens = f->Command3[1];
        QCOMPARE(role(tens), QAccessible::SpinBox);
        auto heard = [&] { return QStringList{spoken(tens), spoken(tens, QAccessible::Value), spoken(tens, QAccessible::Description)}; };
        QCOMPARE(heard(), QStringList({"Resultado, decenas", "", "Suma: 5 + 7"})); // empty, not "-"
        QCOMPARE(spoken(f->Label2[0]), QStringLiteral("Segundo número, unidades: 7"));
        // a screen reader's own steps (1, 2, 1) and presses: the cell, a minus picture, a command
        using A = QAccessibleActionInterface;
        QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(tens);
        QCOMPARE(cell->actionInterface()->actionNames(), QStringList({A::pressAction(), A::increaseAction(), A::decreaseAction(), A::setFocusAction()}));
        for (const QString &action : {A::increaseAction(), A::increaseAction(), A::decreaseAction()})
            cell->actionInterface()->doAction(action);
        QAccessible::queryAccessibleInterface(f->Image1[0])->actionInterface()->doAction(A::pressAction()); // empty counts as 0
        click(f->Command5);
        QCOMPARE(heard() << f->Command3[0]->Caption(), QStringList({"Resultado, decenas", "1", "bien", "9"}));
        QCOMPARE(cell->textInterface()->text(0, cell->textInterface()->characterCount()), QStringLiteral("1"));
        QAccessibleInterface *results = QAccessible::queryAccessibleInterface(f->Command8[1]);
        QCOMPARE(results->actionInterface()->actionNames(), QStringList({A::pressAction(), A::setFocusAction()}));
        forms().form5()->hide();
        results->actionInterface()->doAction(A::pressAction());
        QVERIFY(forms().form5()->isVisible() && results->role() == QAccessible::Button);
        // a hidden command cannot be pressed either: the long multiplication's launcher, while adding
        QAccessible::queryAccessibleInterface(f->Command6)->actionInterface()->doAction(A::pressAction());
        QVERIFY(!f->Command6->isVisible() && !forms().isLoaded3());
        // a picture with a handler is a button; one without is only a picture
        QVERIFY(role(f->Image1[0]) == QAccessible::Button && role(forms().form4()->Image1) == QAccessible::Graphic);
        QVERIFY(QAccessible::queryAccessibleInterface(forms().form4()->Image1)->actionInterface()->actionNames().isEmpty());
        click(f->Command1[0]);
        QCOMPARE(spoken(f->Label2[0]), QString("Divisor: ") + f->Label2[0]->Caption());
    }

    void backspaceAndDeleteEmptyACell_data()
    {
        QTest::addColumn<QString>("cell"); // which window's cell
        QTest::addColumn<QString>("key");  // b Backspace, d Delete
        QTest::addColumn<QString>("empty"); // what the empty cell shows
        for (const char *key : {"b", "d"}) {
            QTest::addRow("answer box, %s", key) << "answer" << key << "";
            QTest::addRow("carry box, %s", key) << "carry" << key << "";
            QTest::addRow("quotient digit, %s", key) << "quotient" << key << "-";
            QTest::addRow("remainder digit, %s", key) << "remainder" << key << "-";
            QTest::addRow("product row, %s", key) << "product" << key << "";
        }
    }
    void backspaceAndDeleteEmptyACell()
    {
        QFETCH(QString, cell);
        QFETCH(QString, key);
        QFETCH(QString, empty);
        Form1 *main = loadMainWindow();
        Form *window = main;
        CommandButton *c = nullptr;
        if (cell == "answer" || cell == "carry") {
            c = cell == "answer" ? main->Command3[0] : main->Command10[1];
        } else if (cell == "product") {
            window = forms().form3();
            c = forms().form3()->Command4[0];
        } else {
            Form2 *d = forms().form2();
            window = d;
            click(d->Command3);
            c = cell == "quotient" ? d->Command11[0] : d->RemainderCell(1, d->Division.FirstGroupDigits - 1);
        }
        window->Show();
        for (const QString &start : {QStringLiteral("7"), QStringLiteral("0")}) {
            c->setFocus();
            keys(window, start);
            QCOMPARE(c->Caption(), start);
            c->setFocus();
            keys(window, key);
            QCOMPARE(c->Caption(), empty);
            keys(window, key); // and an empty cell stays empty
            QCOMPARE(c->Caption(), empty);
        }
    }

    void enterPressesWhatComesNext_data()
    {
        // A key on a cell (r Enter, _ Space) after a few steps, and what the child then
        // hears, once, with the focus where it went; and the lines written.
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("focus"); // when it is said
        QTest::addColumn<int>("lines");
        QTest::newRow("column: the check") << "answer" << "r" << "REPASA" << "Resultado, unidades" << 1;
        QTest::newRow("column: a right answer, on to the next") << "answer 12" << "r" << "¡MUY BIEN!" << "Suma" << 1;
        QTest::newRow("column: Space writes nothing") << "answer" << "_" << "" << "" << 0;
        QTest::newRow("multiplication: row 1's check") << "row 0" << "r" << "Fila 1: mal" << "Fila 2, decenas" << 0;
        QTest::newRow("multiplication: row 2's check") << "row 1" << "r" << "Fila 2: mal" << "Resultado, unidades" << 0;
        QTest::newRow("multiplication: the result's") << "row 2" << "r" << "REPASA" << "Comprobar el resultado" << 1;
        QTest::newRow("multiplication: Space") << "row 0" << "_" << "" << "" << 0;
        QTest::newRow("division: row 1 brings down") << "remainder 1" << "r" << "Resto 1: mal" << "Resto 1, cifra 2" << 0;
        QTest::newRow("division: a quotient digit waits") << "quotient" << "r" << "" << "" << 0;
        QTest::newRow("division: the last row, Fin")
            << "remainder 3" << "r" << "Resto 3: mal. Cociente, cifra 1: mal. Cociente, cifra 2: mal. Cociente, cifra 3: mal. REPASA 33 % bien"
            << "Empezar" << 1;
        QTest::newRow("division: Space") << "remainder 1" << "_" << "" << "" << 0;
    }
    void enterPressesWhatComesNext()
    {
        QFETCH(QString, where);
        QFETCH(QString, key);
        QFETCH(QString, said);
        QFETCH(QString, focus);
        QFETCH(int, lines);
        Clock::setSecond(1);
        Form1 *main = loadMainWindow();
        Form *window = main;
        if (where.startsWith("answer")) {
            click(main->Command1[1]);
            main->ShowExercise(Exercise::Of(Op::Addition, 5, 7));
            main->Command3[0]->setFocus();
            keys(main, where.section(' ', 1).isEmpty() ? "3" : "21");
            main->Command3[0]->setFocus();
        } else if (where.startsWith("row")) {
            Form3 *m = forms().form3();
            window = m;
            m->Show();
            m->Cells(Form3::Row(where.section(' ', 1).toInt()))[0]->setFocus();
        } else {
            Form2 *d = forms().form2();
            window = d;
            d->Show();
            d->Timer1->setEnabled(false);
            d->ShowDivision(LongDivision::Of(1234, 7));
            click(d->Command3);
            const int row = where.section(' ', 1).toInt();
            for (int r = 1; r < row; ++r)
                bringDown(d);
            (row == 0 ? d->Command11[0] : d->RemainderCell(row, row))->setFocus();
        }
        listenForAnnouncements();
        QWidget *cell = window->focusWidget();
        const QString before = qobject_cast<CommandButton *>(cell)->Caption();
        keys(window, key);
        if (key == "_")
            QCOMPARE(qobject_cast<CommandButton *>(cell)->Caption() + focused(window), before + spoken(cell));
        QCOMPARE(announcements(), said.isEmpty() ? QStringList() : QStringList{said});
        QCOMPARE(focusWhenAnnounced(), focus.isEmpty() ? QStringList() : QStringList{focus});
        QCOMPARE(resultsLines().size(), lines);
    }

    void eachThingSaidHasANotificationOfItsOwn()
    {
        // A screen reader that falls behind and finds two showings of one notification
        // waiting drops the first as a stale copy (Orca does): nine things said in turn
        // are shown by eight notifications in turn, each with its own text, one shown at a time.
        Form1 *f = loadMainWindow();
        QList<QWidget *> shown;
        QStringList heard;
        for (int i = 0; i < 9; ++i) {
            f->announce(QString::number(i));
            handlerDone();
            QList<QWidget *> now;
            for (QWidget *n : f->findChildren<QWidget *>())
                if (role(n) == QAccessible::Notification && n->isVisibleTo(f))
                    now << n;
            QCOMPARE(now.size(), 1);
            shown << now.first();
            heard << spoken(now.first());
        }
        QCOMPARE(heard.join(' '), QStringLiteral("0 1 2 3 4 5 6 7 8"));
        QCOMPARE(QSet<QWidget *>(shown.begin(), shown.begin() + 8).size(), 8);
        QCOMPARE(shown[8], shown[0]);
    }

    void aScreenReaderHearsOnlyOfChanges()
    {
        // Each needless event lengthens the queue a screen reader works through before
        // it reaches a verdict: a tick of the division that judges one quotient digit
        // tells of that digit, its light and the percentages that change, of nothing else.
        Clock::setSecond(5);
        loadMainWindow();
        Form2 *d = forms().form2();
        d->Show();
        d->Timer1->setEnabled(false);
        d->ShowDivision(LongDivision::Of(1234, 7));
        click(d->Command3);
        clickTimes(d->RemainderCell(1, 1), 5);
        bringDown(d); // two green lights: 100 % right, 0 % wrong
        clickTimes(d->Command11[0], 2);
        clickTimes(d->Command11[1], 7);
        QStringList told;
        onTold([&told](QObject *control) { told << spoken(control); });
        emit d->Timer1->tick(); // the first digit, 2, judged wrong: 66 % right, 33 % wrong
        handlerDone();
        onTold({});
        told.removeDuplicates();
        told.sort();
        QCOMPARE(told, QStringList({"Cifras bien: 66 % bien", "Cifras mal: 33 % mal", "Cociente, cifra 1", "Luz 3"}));
    }

    void titles()
    {
        // Each window has its own title: the results its heading, the written methods their names.
        Form1 *main = loadMainWindow();
        QCOMPARE((main->windowTitle().isEmpty() ? QGuiApplication::applicationDisplayName() : main->windowTitle()) + "/" + forms().form5()->windowTitle() + "/" + forms().form2()->windowTitle() + "/" +
                     forms().form3()->windowTitle(),
                 QStringLiteral("Cuentas/Ana – tus resultados/División larga/Multiplicación larga"));
        QCOMPARE(forms().form5()->windowTitle(), forms().form5()->Label1->Caption());
    }

    void fileListIsSortedByName()
    {
        data->remove("/Fondos");
        for (const char *n : {"b.png", "C.png", "a.png", "10.png", "2.png", "a@2x.png", "z@2x.png"})
            data->write(QStringLiteral("/Fondos/") + n, "x");
        FileList list;
        list.setPath(data->path("/Fondos/"));
        QStringList names;
        for (int i = 0; i < list.ListCount(); ++i)
            names << list.List(i);
        // a@2x.png is a.png for screens at 2×; z@2x.png, alone, is a picture of its own
        QCOMPARE(names, QStringList({"10.png", "2.png", "C.png", "a.png", "b.png", "z@2x.png"}));
        QCOMPARE(list.List(6), QString());
    }
};

QTEST_MAIN(TestFoundation)
#include "tst_foundation.moc"
