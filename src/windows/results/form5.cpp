#include "windows/results/form5.h"

#include "app/module1.h"
#include "app/language.h"
#include "windows/column/form1.h"
#include "windows/forms.h"
#include "storage/storage.h"
#include "windows/results/historywindow.h"
#include "windows/results/teacher.h"

#include <QPrinter>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

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
            // What the child should practise and the child's history, under the list.
            {.name = "Command3", .caption = "Qué repasar", .rect = {120, 6615, 2535, 405}, .colour = vb::White, .font = {"Arial", 10, true}},
            {.name = "Command4", .caption = "Historial", .rect = {2775, 6615, 2535, 405}, .colour = vb::White, .font = {"Arial", 10, true}},
            // Whether this run is kept in the history, when it is not (or an old file was set aside): under the list, which makes room.
            {.name = "Label2", .kind = Kind::Label, .rect = {120, 5760, 7215, 780}, .font = {"Arial", 10, true}, .visible = false},
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
    Command4 = control<CommandButton>("Command4");
    Label2 = control<Label>("Label2");
    Label1->setForeColor(vb::White); // a light heading on the blue window
    Label1->setSingleLine(true);     // a long name is cut, never wrapped
    Label2->setForeColor(vb::White);
    Label2->setWordWrap(true);
    onClick(Command1, &Form5::Command1_Click);
    onClick(Command2, &Form5::Command2_Click);
    onClick(Command3, &Form5::Command3_Click);
    onClick(Command4, &Form5::Command4_Click);
    onEscape([this] { hide(); }); // as the close box

    // Ctrl+C, Ctrl+P, Ctrl+R and Ctrl+H anywhere in the window, and all four on the list's menu.
    CopyAction = commandKey(this, Command1, QKeySequence::Copy, List1);
    PrintAction = commandKey(this, Command2, QKeySequence::Print, List1);
    ReviewAction = commandKey(this, Command3, QKeySequence(Qt::CTRL | Qt::Key_R), List1);
    HistoryAction = commandKey(this, Command4, QKeySequence(Qt::CTRL | Qt::Key_H), List1);
    setFocusOrder({List1, Command1, Command2, Command3, Command4});
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
    if (const Storage *storage = forms().storage()) {
        connect(storage, &Storage::troubleChanged, this, &Form5::ShowKept);
        ShowKept();
    }
}

// One line under the list when this run is not kept, and why (or when an old
// history was set aside); the list gives it room. Said aloud once when it appears.
void Form5::ShowKept()
{
    const Storage *s = forms().storage();
    const QString folder = QDir::toNativeSeparators(QFileInfo(s->file()).path());
    const QString detail = s->trouble() == Storage::Trouble::Folder || s->trouble() == Storage::Trouble::Damaged
                               ? QDir::toNativeSeparators(s->file())
                               : folder;
    const QString line = Format.KeptLine(int(s->trouble()), detail, QFileInfo(s->setAside()).fileName()); // beside the new one
    if (line == Label2->Caption() && Label2->Visible() == !line.isEmpty())
        return;
    Label2->setCaption(line);
    Label2->setVisible(!line.isEmpty());
    List1->place(List1->Left(), List1->Top(), List1->Width(), (line.isEmpty() ? Label2->Top() + Label2->Height() : Label2->Top() - 60) - List1->Top());
    if (!line.isEmpty())
        announce(line);
}

// Resultados.txt, line by line: the window's own controls, and the words of the formatter.
std::vector<Language::Line> Form5::texts()
{
    std::vector<Language::Line> t = Format.words.resultsTable();
    auto command = [](CommandButton *button, QAction *action) {
        return [button, action](const QString &s) {
            button->setCaption(s);
            action->setText(s);
        };
    };
    t.insert(t.end(), {{1,
                        [this](const QString &title) {
                            Label1->setCaption(Module1::PlayerName + QLatin1Char(' ') + title);
                            setWindowTitle(Label1->Caption());
                            setAccessibleName(Label1->Caption());
                            List1->setAccessibleName(Label1->Caption());
                        }},
                       {2, command(Command1, CopyAction)},
                       {3, command(Command2, PrintAction)},
                       {14, command(Command3, ReviewAction)},
                       {46, command(Command4, HistoryAction)}});
    return t;
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

// The history of the child of the run, beside this window.
void Form5::Command4_Click()
{
    HistoryWindow *h = forms().history();
    h->ShowChild(Module1::PlayerName);
    h->Show();
}

// The desktop's print dialog; with no printer, it prints to a PDF file of the
// teacher's choice. Nothing is written unless the teacher asks for it.
void Form5::Command2_Click()
{
    printThroughDialog(this, Label1->Caption(), Module1::RunStarted.date(), [this](QPrinter &printer) { PrintRecord(printer); });
}

void Form5::PrintRecord(QPrinter &printer) const
{
    Formatter::Print(printer, RecordLines(), [this](const QString &line) { return line == Format.words.review; });
}
