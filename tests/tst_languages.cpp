// Spanish, Catalan, Basque and Galician: the chooser, the desktop's language,
// the remembered choice, the files a window reads, Qt's own words and the dates,
// and every window opened in each language.
#include "testkit.h"

#include "ui/commandbutton.h"
#include "ui/placed.h"
#include "storage/storage.h"
#include "windows/class/classwindow.h"
#include "windows/column/form1.h"
#include "windows/division/form2.h"
#include "windows/forms.h"
#include "windows/multiplication/form3.h"
#include "windows/presentation/form4.h"
#include "windows/results/form5.h"
#include "windows/results/historywindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QApplication>
#include <QRegularExpression>
#include <QTest>

namespace {

const QStringList windowFiles{"formulario1y2.txt", "formulariodivision.txt", "formulariomulti.txt", "presentacion.txt", "Resultados.txt"};

// A shipped language file, line by line (the reader's own decoding).
QStringList shipped(const QString &code, const QString &name)
{
    return Language::read(Language::WindowFolder + (code == "es" ? QString() : code + "/"), name, 1000).value_or(QStringList());
}

QByteArray utf8Lines(const QStringList &lines) { return (lines.join("\r\n") + "\r\n").toUtf8(); }

// The presentation window's label, button, and the button's prompt for a name.
QString presentationTexts()
{
    Form4 *f = forms().form4();
    f->Show();
    const QString shown = f->Label1->Caption() + "/" + f->Command1->Caption() + "/";
    click(f->Command1);
    return shown + f->Command1->Caption();
}

// Everything the loaded windows (and the history window, when asked) show or say: captions, titles, what a screen
// reader is told of every control, the results lines and the teacher's record.
QStringList everythingShown(QStringList *empty, bool withHistory = false)
{
    QStringList texts;
    QList<Form *> windows{forms().form1(), forms().form2(), forms().form3(), forms().form5()};
    if (withHistory)
        windows << forms().history();
    if (forms().isLoaded4())
        windows << forms().form4();
    for (Form *f : windows) {
        texts << f->windowTitle() << spoken(f);
        for (QWidget *w : f->findChildren<QWidget *>()) {
            if (w->parentWidget() != f || w->inherits("Announcement"))
                continue;
            for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description})
                texts << spoken(w, t);
            const bool shown = w->isVisibleTo(f);
            if (auto *b = qobject_cast<CommandButton *>(w)) {
                texts << b->Caption();
                if (shown && b->use() == CommandButton::Use::Command && b->Picture().isNull() && b->Caption().trimmed().isEmpty())
                    *empty << QString(f->metaObject()->className()) + "." + w->objectName();
            } else if (auto *l = qobject_cast<Label *>(w)) {
                texts << l->Caption();
            }
            if (shown && QAccessible::queryAccessibleInterface(w) && spoken(w).trimmed().isEmpty())
                *empty << QString(f->metaObject()->className()) + "." + w->objectName() + " (unnamed)";
        }
    }
    return texts << resultsLines() << forms().form5()->RecordText().split('\n') << forms().form1()->ExitQuestion
                 << forms().form1()->LeaveAnswers[0] << forms().form1()->LeaveAnswers[1];
}

// The same of a window made of Qt's own widgets (the class window): its title,
// every name and description, every button's, label's, list's and column's words.
QStringList textsOf(QWidget *window, QStringList *empty)
{
    QStringList texts{window->windowTitle()};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description})
            texts << spoken(w, t);
        if (auto *b = qobject_cast<QPushButton *>(w)) {
            texts << b->text();
            if (b->isVisibleTo(window) && b->text().trimmed().isEmpty())
                *empty << "ClassWindow." + b->objectName();
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            texts << l->text();
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        } else if (auto *v = qobject_cast<QAbstractItemView *>(w); v && v->model()) {
            for (int c = 0; c < v->model()->columnCount(); ++c)
                texts << v->model()->headerData(c, Qt::Horizontal).toString();
        }
    }
    return texts;
}

} // namespace

class TestLanguages : public FreshProgramTest
{
    Q_OBJECT

private slots:
    // Which file a window reads in each language, and what stands in for what a translation lacks.
    void windowReadsItsLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("spanish");    // presentacion.txt; null: removed, empty: as shipped
        QTest::addColumn<QByteArray>("translated"); // idioma/<code>/presentacion.txt, likewise
        QTest::addColumn<QString>("texts");
        QTest::newRow("Spanish") << "es" << QByteArray("") << QByteArray("") << "Nombre/ACEPTAR/Escribe tu nombre";
        QTest::newRow("Catalan") << "ca" << QByteArray("") << QByteArray("") << "Nom/D'ACORD/Escriu el teu nom";
        QTest::newRow("Basque") << "eu" << QByteArray("") << QByteArray("") << "Izena/ONARTU/Idatzi zure izena";
        QTest::newRow("Galician") << "gl" << QByteArray("") << QByteArray("") << "Nome/ACEPTAR/Escribe o teu nome";
        QTest::newRow("no translation: Spanish") << "eu" << QByteArray("") << QByteArray() << "Nombre/ACEPTAR/Escribe tu nombre";
        QTest::newRow("an empty, a blank and a missing line: Spanish")
            << "ca" << QByteArray("") << utf8Lines({"", "  "}) << "Nombre/ACEPTAR/Escribe tu nombre";
        QTest::newRow("one line translated") << "gl" << QByteArray("") << utf8Lines({"", "VALE"}) << "Nombre/VALE/Escribe tu nombre";
        QTest::newRow("re-saved as Windows-1252") << "ca" << QByteArray("") << cp1252Lines({"Nom", "ENDAVANT", "Què?"})
                                                   << "Nom/ENDAVANT/Què?";
        QTest::newRow("no Spanish file: the translation") << "ca" << QByteArray() << QByteArray("") << "Nom/D'ACORD/Escriu el teu nom";
        QTest::newRow("no Spanish file, a line untranslated: the design")
            << "eu" << QByteArray() << utf8Lines({"Izena", ""}) << "Izena/ACEPTAR/";
        QTest::newRow("neither file: the design") << "gl" << QByteArray() << QByteArray() << "Nombre/ACEPTAR/";
        QTest::newRow("an empty Spanish line, translated") << "ca" << cp1252Lines({"Nombre", "", "Escribe"}) << QByteArray("")
                                                           << "Nom/D'ACORD/Escriu el teu nom";
        QTest::newRow("an empty Spanish line stays in Spanish") << "es" << cp1252Lines({"Nombre", "", "Escribe"}) << QByteArray("")
                                                                << "Nombre//Escribe";
        QTest::newRow("a name in another case is not read") << "ca" << QByteArray("") << QByteArray("PRESENTACION.TXT")
                                                            << "Nombre/ACEPTAR/Escribe tu nombre";
    }
    void windowReadsItsLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QByteArray, spanish);
        QFETCH(QByteArray, translated);
        QFETCH(QString, texts);
        const QString ours = "/idioma/" + code + "/presentacion.txt";
        if (spanish.isNull())
            data->remove("/idioma/presentacion.txt");
        else if (!spanish.isEmpty())
            data->write("/idioma/presentacion.txt", spanish);
        if (translated == "PRESENTACION.TXT") {
            data->write("/idioma/" + code + "/PRESENTACION.TXT", data->path(ours).toUtf8());
            data->remove(ours);
        } else if (translated.isNull()) {
            data->remove(ours);
        } else if (!translated.isEmpty()) {
            data->write(ours, translated);
        }
        QVERIFY(Language::setCurrent(code));
        QCOMPARE(presentationTexts(), texts);
    }

    // The results lines of the three exercise windows, right and wrong, and the
    // record's tally and what to practise, in the language the run began in.
    void resultsLines_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("Spanish") << "es"
                                 << QStringList{"1. Suma: 25 + 17 = 42 ** ¡MUY BIEN! **", "2. Resta: 52 - 18 <> 46 ** REPASA **",
                                                "3. DIVISIÓN 845 : 5 = 169 + RESTO - 0 ** ¡MUY BIEN! **",
                                                "4. Multiplicación: 58 X 64 =  ?  ** REPASA **", "Restas: 0 bien, 1 mal"};
        QTest::newRow("Catalan") << "ca"
                                 << QStringList{"1. Suma: 25 + 17 = 42 ** MOLT BÉ! **", "2. Resta: 52 - 18 <> 46 ** REPASSA **",
                                                "3. DIVISIÓ 845 : 5 = 169 + RESIDU - 0 ** MOLT BÉ! **",
                                                "4. Multiplicació: 58 X 64 =  ?  ** REPASSA **", "Restes: 0 bé, 1 malament"};
        QTest::newRow("Basque") << "eu"
                                << QStringList{"1. Batuketa: 25 + 17 = 42 ** OSO ONDO! **", "2. Kenketa: 52 - 18 <> 46 ** BERRIKUSI **",
                                               "3. ZATIKETA 845 : 5 = 169 + HONDARRA - 0 ** OSO ONDO! **",
                                               "4. Biderketa: 58 X 64 =  ?  ** BERRIKUSI **", "Kenketak: 0 ondo, 1 gaizki"};
        QTest::newRow("Galician") << "gl"
                                  << QStringList{"1. Suma: 25 + 17 = 42 ** MOI BEN! **", "2. Resta: 52 - 18 <> 46 ** REPASA **",
                                                 "3. DIVISIÓN 845 : 5 = 169 + RESTO - 0 ** MOI BEN! **",
                                                 "4. Multiplicación: 58 X 64 =  ?  ** REPASA **", "Restas: 0 ben, 1 mal"};
    }
    void resultsLines()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, lines);
        QVERIFY(Language::setCurrent(code));
        loadMainWindow();
        for (const char *exercise : {"25 + 17 = 42", "52 - 18 = 46", "845 : 5 = 169 | 03 04 0", "58 x 64 = 232 348 3612"})
            forms().record().add(attemptAs(exercise));
        QStringList shown = ::resultsLines();
        const QStringList record = forms().form5()->RecordText().split('\n');
        shown << record.filter(QRegularExpression("^[^:]+: 0 ")).value(0);
        QCOMPARE(shown, lines);
    }

    void unknownLanguageChangesNothing()
    {
        QVERIFY(Language::setCurrent("eu"));
        for (const char *code : {"", "fr", "EU", "ca_ES", "../es"})
            QVERIFY(!Language::setCurrent(code) && !Language::choose(code));
        QCOMPARE(Language::current().code, "eu");
    }

    // The first time on a computer, the desktop's language.
    void followsTheDesktop_data()
    {
        QTest::addColumn<QStringList>("environment"); // LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("code");
        QTest::newRow("Catalan") << QStringList{"", "", "ca_ES.UTF-8"} << "ca";
        QTest::newRow("Valencian") << QStringList{"", "", "ca_ES.UTF-8@valencia"} << "ca";
        QTest::newRow("Catalan of Andorra, no country") << QStringList{"", "", "ca"} << "ca";
        QTest::newRow("Basque") << QStringList{"", "", "eu_ES.UTF-8"} << "eu";
        QTest::newRow("Galician") << QStringList{"", "", "gl_ES"} << "gl";
        QTest::newRow("Spanish") << QStringList{"", "", "es_ES.UTF-8"} << "es";
        QTest::newRow("English") << QStringList{"", "", "en_GB.UTF-8"} << "es";
        QTest::newRow("French of Canada is not Catalan") << QStringList{"", "", "fr_CA.UTF-8"} << "es";
        QTest::newRow("nothing set") << QStringList{"", "", ""} << "es";
        QTest::newRow("messages over LANG") << QStringList{"", "gl_ES.UTF-8", "es_ES.UTF-8"} << "gl";
        QTest::newRow("LC_ALL over all") << QStringList{"eu_ES.UTF-8", "ca_ES.UTF-8", "gl_ES.UTF-8"} << "eu";
        QTest::newRow("LC_ALL=C over LANG") << QStringList{"C", "", "ca_ES.UTF-8"} << "es";
    }
    void followsTheDesktop()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, code);
        const QList<QByteArray> names{"LC_ALL", "LC_MESSAGES", "LANG"};
        QList<QByteArray> saved;
        for (int i = 0; i < 3; ++i) {
            saved << qgetenv(names[i]);
            qputenv(names[i], environment[i].toUtf8());
        }
        const QString desktop = Language::desktop(), start = Language::atStart();
        for (int i = 0; i < 3; ++i)
            qputenv(names[i], saved[i]);
        QCOMPARE(desktop + " " + start, code + " " + code); // nothing chosen yet on this computer
    }

    // Afterwards, the last choice: kept by whatever memory main() hands the language.
    void remembersTheLastChoice()
    {
        QStringList kept;
        QString recalled = "gl";
        Language::setMemory({[&] { return recalled; }, [&](const QString &code) { kept << code; }});
        QCOMPARE(Language::atStart(), "gl");
        recalled = "xx"; // what was kept is no language of ours: the desktop's
        QCOMPARE(Language::atStart(), Language::desktop());
        QVERIFY(Language::setCurrent("ca")); // starting in a language is no choice
        QVERIFY(kept.isEmpty());
        // Chosen on the presentation window, by keyboard: Tab past the name and the button, then Down.
        Form4 *f = forms().form4();
        f->Show();
        keys(f, "tt");
        QCOMPARE(f->focusWidget(), f->Combo1);
        keys(f, "v");
        QCOMPARE(kept, QStringList{"eu"});
        QCOMPARE(Language::current().code, "eu");
        // Without a memory of main()'s, the choice lasts for the run only.
        Language::setMemory({});
        QCOMPARE(Language::atStart(), Language::desktop());
        QVERIFY(Language::choose("gl"));
        QCOMPARE(Language::atStart(), "gl");
        QCOMPARE(kept, QStringList{"eu"});
    }

    // The chooser: the four languages by their own names, by mouse, keyboard and
    // screen reader; a choice redraws the window at once, prompt included.
    void chooserRedrawsThePresentation()
    {
        Form4 *f = forms().form4();
        f->Show();
        ComboBox *c = f->Combo1;
        QStringList items;
        for (int i = 0; i < c->count(); ++i)
            items << c->itemText(i);
        QCOMPARE(items, QStringList({"Español", "Català", "Euskara", "Galego"}));
        // A screen reader hears the language, and what the list is for.
        QCOMPARE(role(c), QAccessible::ComboBox);
        QCOMPARE(spoken(c) + ", " + spoken(c, QAccessible::Description), "Español, Idioma");
        click(f->Command1); // no name: the button asks for one
        // By mouse: the list opened, Galego clicked.
        QTest::mouseClick(c, Qt::LeftButton);
        QAbstractItemView *list = c->view();
        QTRY_VERIFY(list->isVisible());
        QTest::qWait(QApplication::doubleClickInterval()); // a release so soon after the press would only close the list
        const QPoint galego = list->visualRect(list->model()->index(3, 0)).center();
        QTest::mouseMove(list->viewport(), galego);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, galego);
        handlerDone();
        QCOMPARE(f->Label1->Caption() + "/" + f->Command1->Caption() + "/" + spoken(f->Text1), "Nome/Escribe o teu nome/Nome");
        QCOMPARE(spoken(c) + ", " + spoken(c, QAccessible::Description), "Galego, Lingua");
        // By keyboard: Up to Euskara, said aloud.
        c->setFocus();
        listenForAnnouncements();
        keys(f, "^");
        QCOMPARE(announcements(), QStringList{"Euskara"});
        QCOMPARE(f->Label1->Caption() + "/" + f->Command1->Caption() + "/" + spoken(c, QAccessible::Description), "Izena/Idatzi zure izena/Hizkuntza");
        // The windows opened after the choice speak it.
        f->Text1->setText("Ane");
        click(f->Command1);
        QCOMPARE(forms().form1()->Command8[0]->Caption() + " " + forms().form5()->Label1->Caption(), "IRTEERA Ane – zure emaitzak");
    }

    // Qt's own dialogs and the dates: Catalan and Galician where Qt has them,
    // Spanish for what it lacks (all of Basque).
    void qtWordsAndDates_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("words"); // a message box's Cancel, the print dialog's "Local file"
        QTest::addColumn<QString>("date");  // Monday, March
        QTest::newRow("Spanish") << "es" << "Cancelar, Archivo local" << "lunes, marzo";
        QTest::newRow("Catalan") << "ca" << "Cancel·la, Fitxer local" << "dilluns, març";
        QTest::newRow("Basque") << "eu" << "Utzi, Archivo local" << "astelehena, martxoa"; // the standard buttons' words our own
        QTest::newRow("Galician") << "gl" << "Cancelar, Ficheiro local" << "luns, Marzo";
    }
    void qtWordsAndDates()
    {
        QFETCH(QString, code);
        QFETCH(QString, words);
        QFETCH(QString, date);
        QVERIFY(Language::setCurrent(code));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") + ", " + QCoreApplication::translate("QPrintDialog", "Local file"),
                 words);
        QCOMPARE(QLocale().dayName(1) + ", " + QLocale().standaloneMonthName(3), date);
        QCOMPARE(Language::current().locale, QLocale());
    }

    // Every window, opened and worked in each language: every line of every file
    // is there and asked for; nothing the file should have replaced is shown in
    // Spanish; no command without a caption, no control without a name.
    void everyWindowInEveryLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : {"es", "ca", "eu", "gl"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void everyWindowInEveryLanguage()
    {
        QFETCH(QString, code);
        // Spanish lines the language says otherwise ("%1" standing for anything).
        QList<QRegularExpression> replaced;
        QStringList all;
        for (const QString &name : windowFiles)
            all += shipped(code, name);
        for (const QString &name : windowFiles) {
            const QStringList spanish = shipped("es", name), ours = shipped(code, name);
            QCOMPARE(ours.size(), spanish.size());
            QVERIFY2(std::none_of(ours.begin(), ours.end(), [](const QString &l) { return l.trimmed().isEmpty(); }), qPrintable(name));
            for (const QString &s : spanish)
                if (!all.contains(s))
                    replaced << QRegularExpression("^" + QRegularExpression::escape(s.trimmed()).replace("%1", ".*") + "$");
        }
        QVERIFY(code == "es" || replaced.size() > 60);

        QVERIFY(Language::setCurrent(code));
        QTemporaryDir dir;
        Storage history(dir.filePath("cuentas.sqlite"));
        QVERIFY(history.open());
        forms().setStorage(&history);
        const auto noHistory = qScopeGuard([] { forms().setStorage(nullptr); });
        history.keep(forms().record());
        Form4 *name = forms().form4();
        name->Show();
        click(name->Command1); // the prompt for a name
        // the title card's words are drawn in the language
        QCOMPARE(name->Image1->Picture().toImage() == loadPicture(":/pictures/card.png").toImage(), code == "es");
        QStringList empty;
        QStringList shown = everythingShown(&empty);
        name->Text1->setText("Ana");
        click(name->Command1);
        tourEveryWindow();
        click(forms().form5()->Command4); // the child's history
        QVERIFY(forms().history()->isVisible());
        shown += everythingShown(&empty, true);
        ClassWindow teacher(history); // the class, with the child's row
        teacher.show();
        QCOMPARE(int(teacher.Rows().size()), 1);
        shown += textsOf(&teacher, &empty);
        QVERIFY2(empty.isEmpty(), qPrintable(empty.join(", ")));
        for (const QString &text : shown)
            for (const QString &piece : text.split(QRegularExpression("[,;:]\\s+|\\s+[-–]\\s+")))
                for (const QRegularExpression &s : replaced)
                    QVERIFY2(!s.match(piece.trimmed()).hasMatch(), qPrintable(QStringLiteral("%1 in \"%2\"").arg(s.pattern(), text)));
        for (const QString &file : windowFiles) {
            const QSet<int> asked = Language::linesAsked(file);
            QCOMPARE(*std::max_element(asked.begin(), asked.end()), int(shipped(code, file).size()));
            QCOMPARE(asked.size(), int(shipped(code, file).size())); // every line, none beyond
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
