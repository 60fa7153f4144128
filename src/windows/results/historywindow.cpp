#include "windows/results/historywindow.h"

#include "exercises/numbers.h"
#include "record/record.h"
#include "storage/storage.h"
#include "ui/barchart.h"

#include "windows/results/teacher.h"

#include <QPrinter>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSet>
#include <QStandardItemModel>
#include <QTableView>

namespace {

FormLayout design()
{
    const FontStyle command{"Arial", 10, true}, heading{"Arial", 11, true};
    return {
        .rect = {600, 600, 13200, 7440},
        .backColour = vb::Blue,
        .font = {"Arial", 10, false},
        .controls = {
            {.name = "Label1", .kind = Kind::Label, .rect = {120, 120, 9555, 495}, .font = {"Arial", 14.25, true}, .align = Qt::AlignVCenter},
            {.name = "Command1", .caption = "Copiar", .rect = {9795, 165, 1560, 405}, .colour = vb::White, .font = command},
            {.name = "Command2", .caption = "Imprimir", .rect = {11475, 165, 1605, 405}, .colour = vb::White, .font = command},
            {.name = "Label2", .kind = Kind::Label, .rect = {120, 4380, 7500, 330}, .font = heading},
            {.name = "Label3", .kind = Kind::Label, .rect = {7740, 4380, 5340, 330}, .font = heading},
            {.name = "List1", .kind = Kind::ListBox, .rect = {7740, 4740, 5340, 2580}},
        },
    };
}

// A table that a screen reader reads cell by cell, and that Tab leaves.
template <class View> View *table(QWidget *parent, QStandardItemModel *model, Rect r)
{
    auto *t = new Placed<View>(parent);
    t->setModel(model);
    t->place(r.left, r.top, r.width, r.height);
    t->setTabKeyNavigation(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectItems);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setWordWrap(false);
    return t;
}

} // namespace

HistoryWindow::HistoryWindow() : Form(design())
{
    Label1 = control<Label>("Label1");
    Command1 = control<CommandButton>("Command1");
    Command2 = control<CommandButton>("Command2");
    Label2 = control<Label>("Label2");
    Label3 = control<Label>("Label3");
    List1 = control<ListBox>("List1");
    for (Label *l : {Label1, Label2, Label3}) {
        l->setForeColor(vb::White);
        l->setSingleLine(true);
    }
    daysModel_ = new QStandardItemModel(0, 3, this);
    kindsModel_ = new QStandardItemModel(ExerciseKinds, 3, this);
    auto *chart = new BarChart(this);
    chart->place(120, 720, 7500, 3540);
    chart->setModel(daysModel_);
    Chart = chart;
    Days = table<QTableView>(this, daysModel_, {7740, 720, 5340, 3540});
    Days->verticalHeader()->hide();
    Kinds = table<QTableView>(this, kindsModel_, {120, 4740, 7500, 2580});
    Kinds->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Kinds->verticalHeader()->hide();
    Kinds->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch); // the rows fill the table
    List1->setSpacing(3);                                                 // a gap between the mistakes
    Chart->stackUnder(Days);

    onClick(Command1, &HistoryWindow::Command1_Click);
    onClick(Command2, &HistoryWindow::Command2_Click);
    onEscape([this] { hide(); });
    CopyAction = commandKey(this, Command1, QKeySequence::Copy, List1);
    PrintAction = commandKey(this, Command2, QKeySequence::Print, List1);
    setFocusOrder({Days, Kinds, List1, Command1, Command2});
}

void HistoryWindow::Form_Load()
{
    Language::load("/idioma/", "Resultados.txt", texts());
    Format.words.loadLineWords();
}

// Resultados.txt, line by line: the window's own commands, and the words of the formatter.
std::vector<Language::Line> HistoryWindow::texts()
{
    std::vector<Language::Line> t = Format.words.resultsTable();
    t.push_back({2, [this](const QString &s) {
                     Command1->setCaption(s);
                     CopyAction->setText(s);
                 }});
    t.push_back({3, [this](const QString &s) {
                     Command2->setCaption(s);
                     PrintAction->setText(s);
                 }});
    return t;
}

void HistoryWindow::ShowFrom(const Record *record, const Storage *storage)
{
    record_ = record;
    storage_ = storage;
}

void HistoryWindow::ShowChild(const QString &child, const QDate &today)
{
    // Everything kept of this child, and whatever of this run could not be kept.
    std::vector<Attempt> all;
    if (storage_ && storage_->isOpen())
        all = storage_->attempts(child);
    QSet<QUuid> kept;
    for (const Attempt &a : all)
        kept.insert(a.id);
    if (record_)
        for (const Attempt &a : record_->attempts())
            if (!kept.contains(a.id) && Storage::childKey(a.child) == Storage::childKey(child))
                all.push_back(a);
    const auto known = storage_ && storage_->isOpen() ? storage_->child(child) : std::nullopt;
    child_ = known ? known->name : child.simplified();
    shown_ = History::Of(std::move(all), today);

    const Words &w = Format.words;
    const QString title = Formatter::fill(w.historyOf, child_);
    Label1->setCaption(title);
    setWindowTitle(title);
    setAccessibleName(title);

    daysModel_->clear();
    daysModel_->setHorizontalHeaderLabels({w.day, w.rightHeading, w.wrongHeading});
    for (const History::Day &d : shown_.days) {
        auto *day = new QStandardItem(Format.Day(d.date));
        day->setData(Format.ShortDay(d.date), Qt::UserRole);
        auto *right = new QStandardItem(num(d.right)), *wrong = new QStandardItem(num(d.wrong));
        for (QStandardItem *n : {right, wrong})
            n->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        daysModel_->appendRow({day, right, wrong});
    }
    const QString lastDays = Format.LastDays(shown_);
    Chart->setAccessibleName(lastDays);
    Chart->setAccessibleDescription(w.chartNote);
    Days->setAccessibleName(lastDays);
    // The day takes what the two counts leave.
    QHeaderView *columns = Days->horizontalHeader();
    const int count = columns->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 2 * columns->fontMetrics().height();
    for (int c : {1, 2})
        columns->resizeSection(c, std::max(count, columns->sectionSizeHint(c)));
    columns->setSectionResizeMode(0, QHeaderView::Stretch);
    Days->scrollToBottom();

    // A row a kind, its name first: a screen reader reading the row says which.
    kindsModel_->clear();
    kindsModel_->setHorizontalHeaderLabels({w.kindHeading, w.thisWeek, w.before});
    for (int k = 0; k < ExerciseKinds; ++k)
        kindsModel_->appendRow({new QStandardItem(w.kinds[k]), new QStandardItem(Format.ShareText(shown_.kinds[k].thisWeek)),
                                new QStandardItem(Format.ShareText(shown_.kinds[k].before))});
    Label2->setCaption(w.byKind);
    Kinds->setAccessibleName(w.byKind);

    QStringList review = shown_.exercises ? Format.HistoryReview(shown_) : QStringList{w.review, w.noHistory};
    Label3->setCaption(review.takeFirst());
    List1->setAccessibleName(Label3->Caption());
    List1->clear();
    for (const QString &line : review)
        List1->AddItem(line);
    // Each part opens on its first thing to read: the latest day, the first kind, the first line.
    Days->setCurrentIndex(daysModel_->index(daysModel_->rowCount() - 1, 0));
    Kinds->setCurrentIndex(kindsModel_->index(0, 0));
    List1->setCurrentRow(0);
    List1->scrollToTop();
    CenterOnScreen();
    Days->setFocus();
}

QStringList HistoryWindow::HistoryLines() const { return Format.HistoryLines(child_, QDateTime::currentDateTime(), shown_); }

QString HistoryWindow::HistoryText() const { return HistoryLines().join(QLatin1Char('\n')) + QLatin1Char('\n'); }

void HistoryWindow::Command1_Click() { QGuiApplication::clipboard()->setText(HistoryText()); }

void HistoryWindow::Command2_Click()
{
    printThroughDialog(this, Label1->Caption(), QDate::currentDate(), [this](QPrinter &printer) { PrintHistory(printer); });
}

void HistoryWindow::PrintHistory(QPrinter &printer) const
{
    const Words &w = Format.words;
    const QString lastDays = Format.LastDays(shown_);
    Formatter::Print(printer, HistoryLines(), [&](const QString &line) { return line == lastDays || line == w.byKind || line == w.review; });
}
