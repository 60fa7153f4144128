#include "windows/results/form5.h"

#include "app/module1.h"
#include "app/language.h"
#include "windows/column/form1.h"
#include "windows/forms.h"
#include "diagnosis/diagnosis.h"
#include "exercises/numbers.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QTextDocument>

namespace {

FormLayout design()
{
    return {
        .rect = {15, 15, 7455, 7110},
        .backColour = vb::Blue,
        .font = {"Arial", 14.25, true},
        .controls = {
            {.name = "List1", .kind = Kind::ListBox, .rect = {120, 720, 7215, 5820}},
            // The heading leaves the right end of its row to the teacher's two commands.
            {.name = "Label1", .kind = Kind::Label, .caption = "Label1", .rect = {120, 120, 4575, 495}, .align = Qt::AlignCenter},
            {.name = "Command1", .caption = "Copiar", .rect = {4755, 165, 1230, 405}, .colour = vb::White, .font = {"Arial", 10, true}},
            {.name = "Command2", .caption = "Imprimir", .rect = {6045, 165, 1290, 405}, .colour = vb::White, .font = {"Arial", 10, true}},
            // What the child should practise, under the list.
            {.name = "Command3", .caption = "Qué repasar", .rect = {120, 6615, 2535, 405}, .colour = vb::White, .font = {"Arial", 10, true}},
        },
    };
}

} // namespace

Form5::Form5() : Form(design())
{
    List1 = control<ListBox>("List1");
    Label1 = control<Label>("Label1");
    Command1 = control<CommandButton>("Command1");
    Command2 = control<CommandButton>("Command2");
    Command3 = control<CommandButton>("Command3");
    Label1->setForeColor(vb::White); // a light heading on the blue window
    Label1->setSingleLine(true);     // a long name is cut, never wrapped
    onClick(Command1, &Form5::Command1_Click);
    onClick(Command2, &Form5::Command2_Click);
    onClick(Command3, &Form5::Command3_Click);
    onEscape([this] { hide(); }); // as the close box

    // Ctrl+C, Ctrl+P and Ctrl+R anywhere in the window, and all three on the list's menu.
    auto command = [this](CommandButton *button, const QKeySequence &key) {
        auto *a = new QAction(button->Caption(), this);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, button, &QAbstractButton::click);
        addAction(a);
        List1->addAction(a);
        return a;
    };
    CopyAction = command(Command1, QKeySequence::Copy);
    PrintAction = command(Command2, QKeySequence::Print);
    ReviewAction = command(Command3, QKeySequence(Qt::CTRL | Qt::Key_R));
    List1->setContextMenuPolicy(Qt::ActionsContextMenu);
    setFocusOrder({List1, Command1, Command2, Command3});
}

// The close box only hides the window: the record of the run stays, later lines
// are added after it, and RESULTADOS shows it again.
bool Form5::QueryClose()
{
    hide();
    return false;
}

void Form5::Form_Load()
{
    Form1 *main = forms().form1();
    const CommandButton *b = main->Command1[1];
    MoveTo(b->Left() + main->Left() + b->Width() + 80, main->Top() + 80);
    Language::load("/idioma/", "Resultados.txt", texts());
}

// Resultados.txt, line by line.
std::vector<Language::Line> Form5::texts()
{
    return {
        {1, [this](const QString &title) {
             Label1->setCaption(Module1::PlayerName + QLatin1Char(' ') + title);
             setWindowTitle(Label1->Caption());
             setAccessibleName(Label1->Caption());
             List1->setAccessibleName(Label1->Caption());
         }},
        {2, [this](const QString &s) {
             Command1->setCaption(s);
             CopyAction->setText(s);
         }},
        {3, [this](const QString &s) {
             Command2->setCaption(s);
             PrintAction->setText(s);
         }},
        {4, Language::into(Words.nothing)},
        {5, Language::into(Words.kinds[0])}, {6, Language::into(Words.kinds[1])}, {7, Language::into(Words.kinds[2])},
        {8, Language::into(Words.kinds[3])}, {9, Language::into(Words.kinds[4])}, {10, Language::into(Words.kinds[5])},
        {11, Language::into(Words.right)}, {12, Language::into(Words.wrong)}, {13, Language::into(Words.total)},
        {14, [this](const QString &s) {
             Words.review = s;
             Command3->setCaption(s);
             ReviewAction->setText(s);
         }},
        {15, Language::into(Words.patterns[0])}, {16, Language::into(Words.patterns[1])}, {17, Language::into(Words.patterns[2])},
        {18, Language::into(Words.patterns[3])}, {19, Language::into(Words.patterns[4])}, {20, Language::into(Words.patterns[5])},
        {21, Language::into(Words.patterns[6])}, {22, Language::into(Words.patterns[7])}, {23, Language::into(Words.patterns[8])},
        {24, Language::into(Words.patterns[9])}, {25, Language::into(Words.slips)}, {26, Language::into(Words.times)},
        {27, Language::into(Words.forExample)}, {28, Language::into(Words.nothingRepeats)},
        {29, Language::into(Words.patterns[10])}, {30, Language::into(Words.patterns[11])}, {31, Language::into(Words.patterns[12])},
        {32, Language::into(Words.of)},
        {33, Language::into(Words.chances[0])}, {34, Language::into(Words.chances[1])}, {35, Language::into(Words.chances[2])},
        {36, Language::into(Words.chances[3])}, {37, Language::into(Words.chances[4])}, {38, Language::into(Words.chances[5])},
        {39, Language::into(Words.chances[6])}, {40, Language::into(Words.chances[7])}, {41, Language::into(Words.chances[8])},
        {42, Language::into(Words.chances[9])}, {43, Language::into(Words.chances[10])}, {44, Language::into(Words.chances[11])},
        {45, Language::into(Words.chances[12])},
    };
}

void Form5::ShowRecord(const Record *record)
{
    record_ = record;
    for (const ResultRecord &r : record->records())
        List1->AddItem(r.line);
    connect(record, &Record::added, this, [this](const ResultRecord &r) { List1->AddItem(r.line); });
}

const std::vector<ResultRecord> &Form5::Records() const
{
    static const std::vector<ResultRecord> none;
    return record_ ? record_->records() : none;
}

// ---------------------------------------------------------------- the teacher's copy and print

// The heading, every line, and the tally: for each kind of exercise with lines,
// how many were right and how many wrong, then the totals; or, with no line
// yet, a word that nothing is recorded.
QStringList Form5::RecordLines() const
{
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    QStringList lines{Module1::PlayerName + QStringLiteral(" — ") +
                      spanish.toString(Module1::RunStarted, QStringLiteral("dddd, d 'de' MMMM 'de' yyyy, HH:mm")),
                      QString()};
    if (Records().empty())
        return lines << Words.nothing;
    std::array<int, 6> right{}, wrong{};
    for (const ResultRecord &r : Records()) {
        lines << r.line;
        ++(r.right ? right : wrong)[int(r.kind)];
    }
    lines << QString();
    auto tally = [this](const QString &what, int r, int w) {
        return what + QStringLiteral(": ") + num(r) + QLatin1Char(' ') + Words.right + QStringLiteral(", ") + num(w) + QLatin1Char(' ') +
               Words.wrong;
    };
    int allRight = 0, allWrong = 0;
    for (std::size_t k = 0; k < right.size(); ++k) {
        if (right[k] + wrong[k] > 0)
            lines << tally(Words.kinds[k], right[k], wrong[k]);
        allRight += right[k];
        allWrong += wrong[k];
    }
    lines << tally(Words.total, allRight, allWrong) << QString();
    return lines + ReviewLines();
}

// What to practise: the heading, each mistake the child keeps making with how
// often out of how many chances and an example, or a word that none repeats;
// then the slips.
QStringList Form5::ReviewLines() const
{
    std::vector<Worked> run;
    for (const ResultRecord &r : Records())
        run.push_back(r.exercise);
    const Diagnosis::Summary s = Diagnosis::OfRun(run);
    QStringList lines{Words.review};
    if (s.named.empty())
        lines << Words.nothingRepeats;
    for (const Diagnosis::Summary::Named &n : s.named)
        lines << Words.patterns[int(n.pattern)] + QStringLiteral(": ") + num(n.exercises) + QLatin1Char(' ') + Words.of +
                     QLatin1Char(' ') + num(n.chances) + QLatin1Char(' ') + Words.chances[int(n.pattern)] + QStringLiteral(", ") +
                     Words.forExample + QLatin1Char(' ') + n.example;
    return lines << Words.slips + QStringLiteral(": ") + num(s.slips);
}

// The same, in a window of its own that a screen reader reads as it opens.
void Form5::Command3_Click()
{
    QStringList lines = ReviewLines();
    const QString heading = lines.takeFirst();
    QMessageBox box(QMessageBox::NoIcon, heading, lines.join(QLatin1Char('\n')), QMessageBox::Ok, this);
    box.setFont(QFont(QStringLiteral("Arial"), 12)); // as readable as the list
    box.setObjectName(QStringLiteral("review"));
    box.exec();
}

QString Form5::RecordText() const { return RecordLines().join(QLatin1Char('\n')) + QLatin1Char('\n'); }

void Form5::Command1_Click() { QGuiApplication::clipboard()->setText(RecordText()); }

// The desktop's print dialog; with no printer, it prints to a PDF file of the
// teacher's choice. Nothing is written unless the teacher asks for it.
void Form5::Command2_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir::home().filePath(QStringLiteral("%1 %2.pdf").arg(Label1->Caption().trimmed(),
                                                                                         Module1::RunStarted.toString(QStringLiteral("yyyy-MM-dd")))));
    }
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintRecord(printer);
}

void Form5::PrintRecord(QPrinter &printer) const
{
    QTextDocument page;
    page.setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    QTextCursor at(&page);
    const QStringList lines = RecordLines();
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setFontPointSize(14);
    at.insertText(lines.first(), heading);
    for (const QString &line : lines.mid(1)) {
        at.insertBlock();
        QTextCharFormat plain;
        if (line == Words.review) // the heading of what to practise stands out too
            plain.setFontWeight(QFont::Bold);
        at.insertText(line, plain);
    }
    page.print(&printer); // wraps long lines, breaks pages and numbers them
}
