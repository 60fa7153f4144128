#include "testkit.h"

#include "app/module1.h"
#include "app/appfolder.h"
#include "app/sound.h"
#include "app/clock.h"
#include "app/random.h"
#include "app/startup.h"
#include "ui/form.h"
#include "windows/column/form1.h"
#include "windows/division/form2.h"
#include "windows/multiplication/form3.h"
#include "windows/forms.h"
#include "windows/results/form5.h"

#include <QApplication>
#include <QPrinter>
#include <QProcess>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QHash>
#include <QStringEncoder>
#include <cmath>

namespace {

QVector<double> &script()
{
    static QVector<double> s;
    return s;
}

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir src(from);
    for (const QFileInfo &fi : src.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + fi.fileName();
        if (fi.isDir() ? !copyTree(fi.filePath(), target) : !QFile::copy(fi.filePath(), target))
            return false;
    }
    return true;
}

} // namespace

TestData::TestData()
{
    static bool prepared = false;
    if (!prepared) {
        PrepareApplication();
        prepared = true;
    }
    if (!copyTree(QStringLiteral(CUENTAS_DATA_DIR), dir_.path()))
        qFatal("cannot copy the data files");
    AppFolder::setPath(dir_.path());
}

TestData::~TestData() { AppFolder::setPath(QString()); }

QString TestData::path(const QString &relative) const { return dir_.path() + relative; }

void TestData::remove(const QString &relative) const
{
    const QFileInfo fi(path(relative));
    if (fi.isDir())
        QDir(fi.filePath()).removeRecursively();
    else
        QFile::remove(fi.filePath());
}

void TestData::write(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(path(relative)).path());
    QFile f(path(relative));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
}

void TestData::backgrounds(const QVector<QRgb> &colours) const
{
    remove("/Fondos");
    QDir().mkpath(path("/Fondos"));
    for (int i = 0; i < colours.size(); ++i) {
        QImage img(700, 520, QImage::Format_RGB32);
        img.fill(colours[i]);
        img.save(path(QStringLiteral("/Fondos/%1.png").arg(i + 1)));
    }
}

QByteArray cp1252Lines(const QStringList &lines)
{
    QStringEncoder windows1252("windows-1252");
    return windows1252(lines.join("\r\n") + "\r\n");
}

void scriptRandom(const QVector<double> &values)
{
    script() = values;
    Random::setSource([] { return script().isEmpty() ? 0.0 : script().takeFirst(); });
}

double pick(int n, int k, int d) { return (d - k + 0.5) / n; }

void resetProgram()
{
    forms().unloadAll();
    forms().record().clear();
    forms().setStorage(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::reset();
    Language::setCurrent(QStringLiteral("es"));
    Language::setMemory({});
    Sound::requests().clear();
    script().clear();
    Random::setSource({});
    Clock::setSecond(0);
}

// What a handler asked to say is said once it has run, before the next event.
void handlerDone() { QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); }

void click(QWidget *w)
{
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    handlerDone();
}

void clickTimes(QWidget *w, int times)
{
    for (int i = 0; i < times; ++i)
        click(w);
}

void keys(Form *window, const QString &script)
{
    static const QHash<QChar, Qt::Key> named{{'b', Qt::Key_Backspace}, {'^', Qt::Key_Up},    {'v', Qt::Key_Down},
                                             {'+', Qt::Key_Plus},      {'-', Qt::Key_Minus}, {'<', Qt::Key_Left},
                                             {'>', Qt::Key_Right},     {'t', Qt::Key_Tab},   {'T', Qt::Key_Backtab},
                                             {'_', Qt::Key_Space},     {'r', Qt::Key_Return}, {'e', Qt::Key_Escape},
                                             {'d', Qt::Key_Delete}};
    for (QChar c : script) {
        QWidget *target = window->focusWidget() ? window->focusWidget() : window;
        if (c.isDigit())
            QTest::keyClick(target, Qt::Key(Qt::Key_0 + c.digitValue()), Qt::NoModifier);
        else if (named.contains(c))
            QTest::keyClick(target, named[c], c == 'T' ? Qt::ShiftModifier : Qt::NoModifier);
        else
            QFAIL(qPrintable(QStringLiteral("no key for '%1'").arg(c)));
        handlerDone();
    }
}

QString focused(Form *window) { return window->focusWidget() ? spoken(window->focusWidget()) : QString(); }

QString spoken(QObject *control, QAccessible::Text what)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(control);
    return i ? i->text(what) : QString();
}

QAccessible::Role role(QObject *control)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(control);
    return i ? i->role() : QAccessible::NoRole;
}

QStringList &announcements()
{
    static QStringList said;
    handlerDone();
    return said;
}

QStringList &focusWhenAnnounced()
{
    static QStringList focus;
    return focus;
}

void listenForAnnouncements()
{
    announcements().clear();
    focusWhenAnnounced().clear();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *f = qobject_cast<Form *>(w))
            QObject::connect(f, &Form::announced, [f] { // read from the notification shown, as a screen reader does
                for (QWidget *n : f->findChildren<QWidget *>())
                    if (role(n) == QAccessible::Notification && n->isVisibleTo(f))
                        announcements() << spoken(n);
                focusWhenAnnounced() << focused(f);
            });
}

Form1 *loadMainWindow(const QString &player)
{
    Module1::PlayerName = player;
    Form1 *f = forms().form1();
    f->Show();
    return f;
}

void tourEveryWindow()
{
    Form1 *f = forms().form1();
    click(f->Command1[1]);
    f->ShowExercise(Exercise::Of(Op::Addition, 5, 4));
    clickTimes(f->Command3[0], 9);
    click(f->Command5);
    click(f->Command7[0]);
    click(f->Command7[2]);
    click(f->Command1[3]);
    for (int tick = 0; tick < 800 && f->Timer1->Enabled(); ++tick)
        f->Timer1_Timer();
    for (QWidget *w : std::initializer_list<QWidget *>{f->Command8[2], f->Command8[2], f->Command8[1], f->Command6})
        click(w);
    click(forms().form3()->Command8[2]);
    click(forms().form3()->Command7[2]);
    click(f->Command1[0]);
    click(f->Command9[1]);
    Form2 *d = forms().form2();
    d->Timer1->setEnabled(false);
    Clock::setSecond(1);
    click(d->Command3);
    for (int step = 0; step < 3 && !d->Command9->Visible(); ++step)
        bringDown(d);
    click(d->Command9);
    forms().form5()->Command1_Click();
}

void answerColumn(Form1 *f, Op op, int a, int b, const QString &unitsFirst)
{
    click(f->Command1[int(op)]);
    f->ShowExercise(Exercise::Of(op, a, b));
    f->Command3[0]->setFocus();
    keys(f, unitsFirst.left(unitsFirst.size() - 1));
    f->Command3[unitsFirst.size() - 1]->setFocus();
    keys(f, unitsFirst.right(1) + "r"); // Enter checks
}

void bringDown(Form2 *d)
{
    for (CommandButton *arrow : d->Command12)
        if (arrow->Visible() && arrow->isEnabled())
            return click(arrow);
}

void addAttempt(ExerciseKind kind, int a, int b, bool right, bool oneDigit)
{
    Attempt attempt;
    attempt.exercise = QUuid::createUuid();
    attempt.kind = kind;
    attempt.a = a;
    attempt.b = b;
    attempt.oneDigit = oneDigit;
    attempt.right = right;
    forms().record().add(attempt);
}

Attempt stamped(Attempt a, const QString &child, const QString &when)
{
    a.id = QUuid::createUuid();
    a.child = child;
    a.ended = QDateTime::fromString(when, QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUTC();
    return a;
}

Attempt workedColumn(const QString &child, const QString &when, Op op, int a, int b, const QString &unitsFirst)
{
    Exercise e = Exercise::Of(op, a, b);
    for (int i = 0; i < unitsFirst.size(); ++i)
        e.Answer[i].enter({DigitKey::Digit, unitsFirst[i].digitValue()});
    e.Judge();
    return stamped(Attempt::Of(e, false), child, when);
}

QString pdfText(const QString &file)
{
    QProcess p;
    p.start("pdftotext", {file, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString printedText(const std::function<void(QPrinter &)> &print)
{
    QTemporaryDir out;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath("printed.pdf"));
    print(printer);
    return pdfText(out.filePath("printed.pdf"));
}

QStringList resultsLines()
{
    QStringList lines;
    ListBox *list = forms().form5()->List1;
    for (int i = 0; i < list->ListCount(); ++i)
        lines << list->List(i);
    return lines;
}

QString lastLine()
{
    const QStringList lines = resultsLines();
    return lines.isEmpty() ? QString() : lines.last();
}

double contrast(QRgb a, QRgb b)
{
    auto lum = [](QRgb c) {
        auto ch = [](int v) {
            const double x = v / 255.0;
            return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * ch(qRed(c)) + 0.7152 * ch(qGreen(c)) + 0.0722 * ch(qBlue(c));
    };
    const double la = lum(a), lb = lum(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QString cells(const ControlArray<CommandButton> &row)
{
    QString s;
    for (CommandButton *c : row)
        if (c->Visible()) {
            const Verdict v = c->verdict();
            s += (c->Caption().isEmpty() ? QStringLiteral(".") : c->Caption()) +
                 (c->BackColor() == vb::Blue && v == Verdict::Right    ? 'b'
                  : c->BackColor() == vb::Red && v == Verdict::Wrong   ? 'r'
                  : c->BackColor() == vb::White && v == Verdict::None ? 'w'
                  : c->BackColor() == 0xFFFF80                         ? 'c'
                                                                       : '?');
        }
    return s;
}

QRgb pictureColour(const Form *f)
{
    const QImage img = f->Picture().toImage();
    return img.isNull() ? 0 : img.pixel(10, 10) & 0xFFFFFF;
}

void FreshProgramTest::init()
{
    resetProgram();
    data = std::make_unique<TestData>();
}

void FreshProgramTest::cleanup()
{
    resetProgram();
    data.reset();
}

Exercise columnAnswered(const QString &text)
{
    const QStringList w = text.split(' ');
    const Op op = w[1] == "+" ? Op::Addition : w[1] == "-" ? Op::Subtraction : w[1] == "X" ? Op::Multiplication : Op::Division;
    Exercise e = Exercise::Of(op, w[0].toInt(), w[2].toInt());
    const QString answer = w.value(4);
    for (int i = 0; i < answer.size() && i < e.AnswerDigits; ++i)
        e.Answer[i].enter({DigitKey::Digit, answer[answer.size() - 1 - i].digitValue()});
    e.Judge();
    return e;
}

LongDivision divisionWorked(int dividend, int divisor, const QString &quotient, const QString &remainders)
{
    LongDivision d = LongDivision::Of(dividend, divisor);
    d.Start();
    for (int k = 0; k < quotient.size(); ++k)
        if (quotient[k] != '-')
            d.EnterQuotient(k, {DigitKey::Digit, quotient[k].digitValue()});
    const QStringList rows = remainders.split(' ', Qt::SkipEmptyParts);
    for (int row = 1; row <= rows.size(); ++row)
        for (int j = 0; j < rows[row - 1].size(); ++j)
            if (rows[row - 1][j] != '-')
                d.EnterRemainder(row, row - 1 + j, {DigitKey::Digit, rows[row - 1][j].digitValue()});
    while (d.NextArrow())
        d.BringDown();
    for (int k = 0; k < int(d.Steps.size()); ++k) // every quotient digit judged as first written
        d.QuotientCell(k).judge(false);
    d.Finish();
    return d;
}

LongMultiplication multiplicationWorked(int a, int b, const QString &rows)
{
    LongMultiplication m = LongMultiplication::Of(a, b);
    const QStringList w = rows.split(' ');
    for (auto row : {LongMultiplication::Row::First, LongMultiplication::Row::Second, LongMultiplication::Row::Result}) {
        const QString n = w.value(int(row));
        for (int i = 0; i < n.size(); ++i)
            m.Enter(row, LongMultiplication::FirstColumn(row) + i, {DigitKey::Digit, n[n.size() - 1 - i].digitValue()});
    }
    m.Check(LongMultiplication::Row::Result);
    return m;
}

Attempt attemptAs(const QString &text)
{
    return std::visit(
        [](const auto &e) {
            if constexpr (std::is_same_v<std::decay_t<decltype(e)>, Exercise>)
                return Attempt::Of(e, false);
            else if constexpr (std::is_same_v<std::decay_t<decltype(e)>, std::monostate>)
                return Attempt{};
            else
                return Attempt::Of(e);
        },
        workedAs(text));
}

Worked workedAs(const QString &text)
{
    const QStringList w = text.split(' ');
    if (w[1] == ":") {
        const QStringList parts = text.split(" | ");
        return divisionWorked(w[0].toInt(), w[2].toInt(), w[4] == "|" ? QString() : w[4], parts.value(1));
    }
    if (w[1] == "x")
        return multiplicationWorked(w[0].toInt(), w[2].toInt(), w.mid(4).join(' '));
    return columnAnswered(text);
}
