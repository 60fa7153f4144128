#include "windows/results/form5.h"

#include "app/module1.h"
#include "app/language.h"
#include "windows/column/form1.h"
#include "windows/forms.h"
#include "exercises/numbers.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

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
    Format.words.loadLineWords();
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
        {4, Language::into(Format.words.nothing)},
        {5, Language::into(Format.words.kinds[0])}, {6, Language::into(Format.words.kinds[1])}, {7, Language::into(Format.words.kinds[2])},
        {8, Language::into(Format.words.kinds[3])}, {9, Language::into(Format.words.kinds[4])}, {10, Language::into(Format.words.kinds[5])},
        {11, Language::into(Format.words.right)}, {12, Language::into(Format.words.wrong)}, {13, Language::into(Format.words.total)},
        {14, [this](const QString &s) {
             Format.words.review = s;
             Command3->setCaption(s);
             ReviewAction->setText(s);
         }},
        {15, Language::into(Format.words.patterns[0])}, {16, Language::into(Format.words.patterns[1])}, {17, Language::into(Format.words.patterns[2])},
        {18, Language::into(Format.words.patterns[3])}, {19, Language::into(Format.words.patterns[4])}, {20, Language::into(Format.words.patterns[5])},
        {21, Language::into(Format.words.patterns[6])}, {22, Language::into(Format.words.patterns[7])}, {23, Language::into(Format.words.patterns[8])},
        {24, Language::into(Format.words.patterns[9])}, {25, Language::into(Format.words.slips)}, {26, Language::into(Format.words.times)},
        {27, Language::into(Format.words.forExample)}, {28, Language::into(Format.words.nothingRepeats)},
    };
}

void Form5::ShowRecord(const Record *record)
{
    record_ = record;
    for (const Attempt &a : record->attempts())
        List1->AddItem(Format.Line(List1->ListCount() + 1, a));
    connect(record, &Record::added, this, [this](const Attempt &a) { List1->AddItem(Format.Line(int(record_->attempts().size()), a)); });
}

const std::vector<Attempt> &Form5::Attempts() const
{
    static const std::vector<Attempt> none;
    return record_ ? record_->attempts() : none;
}

// ---------------------------------------------------------------- the teacher's copy and print

QStringList Form5::RecordLines() const { return Format.RunLines(Module1::PlayerName, Module1::RunStarted, Attempts()); }

// The same, in a window of its own that a screen reader reads as it opens.
void Form5::Command3_Click()
{
    QStringList lines = Format.Review(Attempts());
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
    Formatter::Print(printer, RecordLines(), [this](const QString &line) { return line == Format.words.review; });
}
