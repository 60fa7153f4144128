#include "windows/class/classwindow.h"

#include "exercises/numbers.h"
#include "record/spreadsheet.h"
#include "storage/storage.h"
#include "storage/teacherpin.h"
#include "storage/transfer.h"
#include "ui/form.h"
#include "windows/class/mistakes.h"
#include "windows/class/pindialog.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSysInfo>
#include <QTableView>
#include <QVBoxLayout>

using Classroom::Column;

// ---------------------------------------------------------------- the rows on the table

class ClassModel : public QAbstractTableModel
{
public:
    // Its own copy of the words: the table asks for its cells until the window's last moment.
    ClassModel(const ClassWords &words, const Words &formatterWords, QObject *parent)
        : QAbstractTableModel(parent), words_(words), formatterWords_(formatterWords), sheet_(formatterWords_, words_.sheet)
    {
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : Classroom::Columns; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < Classroom::Columns)
            return words_.columns[section];
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const Classroom::Row &r = rows_[index.row()];
        const Column column = Column(index.column());
        if (role == Qt::TextAlignmentRole)
            return column == Column::Name || column == Column::Mistakes ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                                        : int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        auto share = [this](const Classroom::Share &s) {
            return s.count ? Formatter::fill(words_.share, {num(s.percentRight()), num(s.count)}) : formatterWords_.none;
        };
        switch (column) {
        case Column::Name:
            return r.name;
        case Column::Days:
            return num(r.days);
        case Column::Exercises:
            return num(r.exercises);
        case Column::ThisWeek:
            return share(r.thisWeek);
        case Column::Before:
            return share(r.before);
        case Column::Mistakes:
            if (!r.mistakes)
                return words_.working;
            return r.mistakes->empty() ? formatterWords_.none : sheet_.Mistakes(*r.mistakes);
        case Column::Last:
            return formatterWords_.locale.toString(r.last, words_.dayFormat);
        }
        return {};
    }

    void sort(int column, Qt::SortOrder order) override
    {
        column_ = Column(qBound(0, column, Classroom::Columns - 1));
        ascending_ = order == Qt::AscendingOrder;
        emit layoutAboutToBeChanged();
        const QModelIndexList before = persistentIndexList();
        std::vector<QString> keys;
        for (const QModelIndex &i : before)
            keys.push_back(rows_[i.row()].key);
        Classroom::Sort(rows_, column_, ascending_);
        QModelIndexList after;
        for (std::size_t k = 0; k < keys.size(); ++k)
            after << index(rowOf(keys[k]), before[int(k)].column());
        changePersistentIndexList(before, after);
        emit layoutChanged();
    }

    void setRows(std::vector<Classroom::Row> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        Classroom::Sort(rows_, column_, ascending_);
        endResetModel();
    }

    void setMistakes(const QString &key, const std::vector<Diagnosis::Pattern> &mistakes)
    {
        const int r = rowOf(key);
        if (r < 0)
            return;
        rows_[r].mistakes = mistakes;
        emit dataChanged(index(r, int(Column::Mistakes)), index(r, int(Column::Mistakes)));
        if (column_ == Column::Mistakes)
            sort(int(column_), ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    }

    int rowOf(const QString &key) const
    {
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].key == key)
                return int(i);
        return -1;
    }
    const std::vector<Classroom::Row> &rows() const { return rows_; }
    const Spreadsheet &sheet() const { return sheet_; }

private:
    const ClassWords words_;
    const Words formatterWords_;
    Spreadsheet sheet_;
    std::vector<Classroom::Row> rows_;
    Column column_ = Column::Name;
    bool ascending_ = true;
};

// ---------------------------------------------------------------- the words

std::vector<Language::Line> ClassWindow::texts(ClassWords &w)
{
    using Language::into;
    // presentacion.txt: lines 1 to 4 are the presentation window's.
    std::vector<Language::Line> t;
    int n = 5;
    auto add = [&](QString &word) { t.push_back({n++, into(word)}); };
    for (QString *word : {&w.title, &w.choosePin, &w.pin, &w.repeatPin, &w.askPin, &w.pinShape, &w.pinsDiffer, &w.pinWrong, &w.pinWait, &w.ok,
                          &w.cancel, &w.dates})
        add(*word);
    for (QString &word : w.periods)
        add(word);
    for (QString *word : {&w.from, &w.to, &w.sortBy, &w.reverse})
        add(*word);
    for (QString &word : w.columns)
        add(word);
    for (QString *word : {&w.share, &w.working, &w.children, &w.dayFormat, &w.history, &w.exportSheet, &w.byExercise, &w.byChild, &w.exportAll,
                          &w.importAll, &w.forgetChild, &w.forgetBefore, &w.keep, &w.keepOff, &w.close, &w.forgetChildAsk, &w.forgetBeforeDay,
                          &w.forgetBeforeAsk, &w.nothingBefore, &w.forgotten, &w.sheetFiles, &w.historyFiles, &w.written, &w.merged, &w.nothingNew})
        add(*word);
    for (std::size_t i = 1; i < w.troubles.size(); ++i)
        add(w.troubles[i]);
    add(w.notKeptHere);
    for (QString &word : w.sheet.exerciseColumns)
        add(word);
    for (QString &word : w.sheet.kinds)
        add(word);
    add(w.sheet.remainder);
    for (QString &word : w.sheet.childColumns)
        add(word);
    for (QString *word : {&w.about, &w.exportOption, &w.importOption, &w.csvOption, &w.helpOption, &w.file, &w.unknownOption, &w.missingFile,
                          &w.oneOption, &w.unexpected})
        add(*word);
    return t;
}

ClassWords ClassWindow::loadWords()
{
    ClassWords w;
    Language::load(QStringLiteral("/idioma/"), QStringLiteral("presentacion.txt"), texts(w));
    return w;
}

Words ClassWindow::loadFormatterWords()
{
    Words w;
    Language::load(QStringLiteral("/idioma/"), QStringLiteral("Resultados.txt"), w.resultsTable());
    return w;
}

// ---------------------------------------------------------------- the window

std::function<QString(ClassWindow::FileUse, const QString &)> ClassWindow::chooseFile;
std::function<QDate()> ClassWindow::today = [] { return QDate::currentDate(); };

ClassWindow::ClassWindow(Storage &history, QWidget *parent)
    : QWidget(parent, Qt::Window), history_(history), words_(loadWords()), formatterWords_(loadFormatterWords())
{
    setObjectName(QStringLiteral("class"));
    setWindowTitle(words_.title);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QStringLiteral("Arial"), 11)); // a teacher reads it at arm's length, as the results
    auto *layout = new QVBoxLayout(this);

    // The days, and the order of the rows.
    auto *days = new QHBoxLayout;
    auto labelled = [&](QHBoxLayout *row, const QString &caption, QWidget *w) {
        auto *l = new QLabel(caption + QLatin1Char(':'), this);
        w->setAccessibleName(caption);
        // A screen reader says a list's choice, and what the list is for after it;
        // a label of its own would take the choice's place.
        if (qobject_cast<QComboBox *>(w))
            w->setAccessibleDescription(caption);
        else
            l->setBuddy(w);
        row->addWidget(l);
        row->addWidget(w);
    };
    periodBox = new QComboBox(this);
    for (const QString &p : words_.periods)
        periodBox->addItem(p);
    periodBox->setCurrentIndex(int(Classroom::Period::SchoolYear));
    labelled(days, words_.dates, periodBox);
    fromDate = new QDateEdit(SchoolYearStartOf(), this);
    toDate = new QDateEdit(today(), this);
    for (QDateEdit *d : {fromDate, toDate}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    }
    labelled(days, words_.from, fromDate);
    labelled(days, words_.to, toDate);
    days->addStretch();
    sortBox = new QComboBox(this);
    for (const QString &c : words_.columns)
        sortBox->addItem(c);
    labelled(days, words_.sortBy, sortBox);
    reverseBox = new QCheckBox(words_.reverse, this);
    days->addWidget(reverseBox);
    layout->addLayout(days);

    // The class.
    model_ = new ClassModel(words_, formatterWords_, this);
    table = new QTableView(this);
    table->setModel(model_);
    table->setAccessibleName(words_.children);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
    table->setSortingEnabled(true);
    table->sortByColumn(int(Column::Name), Qt::AscendingOrder);
    table->verticalHeader()->hide();
    // Every column as wide as it needs; what to practise takes the rest, cut with "…" (all of it in its tip).
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(int(Column::Mistakes), QHeaderView::Stretch);
    table->setWordWrap(false);
    layout->addWidget(table, 1);

    // The commands.
    auto button = [this](const QString &caption, void (ClassWindow::*command)()) {
        auto *b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        if (command)
            connect(b, &QPushButton::clicked, this, command);
        return b;
    };
    historyButton = button(words_.history, &ClassWindow::ShowHistory);
    exportButton = button(words_.exportSheet, nullptr);
    auto *menu = new QMenu(exportButton);
    byExerciseAction = menu->addAction(words_.byExercise, this, &ClassWindow::ExportByExercise);
    byChildAction = menu->addAction(words_.byChild, this, &ClassWindow::ExportByChild);
    exportButton->setMenu(menu);
    exportAllButton = button(words_.exportAll, &ClassWindow::ExportAll);
    importButton = button(words_.importAll, &ClassWindow::ImportAll);
    forgetChildButton = button(words_.forgetChild, &ClassWindow::ForgetChild);
    forgetBeforeButton = button(words_.forgetBefore, &ClassWindow::ForgetBefore);
    closeButton = button(words_.close, nullptr);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto *files = new QHBoxLayout, *forget = new QHBoxLayout;
    for (QPushButton *b : {historyButton, exportButton, exportAllButton, importButton})
        files->addWidget(b);
    files->addStretch();
    for (QPushButton *b : {forgetChildButton, forgetBeforeButton})
        forget->addWidget(b);
    forget->addStretch();
    keepBox = new QCheckBox(words_.keep, this);
    forget->addWidget(keepBox);
    forget->addWidget(closeButton);
    layout->addLayout(files);
    layout->addLayout(forget);
    status = new QLabel(this);
    status->setWordWrap(true);
    layout->addWidget(status);
    announcement_ = new Announcement(this);

    // Whether this computer keeps the history: the administrator's file wins.
    keepBox->setChecked(history_.keeping());
    keepBox->setEnabled(Storage::switchedOn());
    if (!Storage::switchedOn()) {
        keepBox->setToolTip(words_.keepOff);
        keepBox->setAccessibleDescription(words_.keepOff);
        status->setText(words_.keepOff);
    }
    connect(keepBox, &QCheckBox::toggled, this, &ClassWindow::SetKeeping);

    mistakes_ = new ClassMistakes(history_.file(), this);
    connect(mistakes_, &ClassMistakes::ready, model_, &ClassModel::setMistakes);

    auto period = [this] {
        const bool between = periodBox->currentIndex() == int(Classroom::Period::Between);
        fromDate->setEnabled(between);
        toDate->setEnabled(between);
        Refresh();
    };
    connect(periodBox, &QComboBox::currentIndexChanged, this, period);
    connect(fromDate, &QDateEdit::dateChanged, this, &ClassWindow::Refresh);
    connect(toDate, &QDateEdit::dateChanged, this, &ClassWindow::Refresh);
    connect(sortBox, &QComboBox::currentIndexChanged, this, &ClassWindow::sortRows);
    connect(reverseBox, &QCheckBox::toggled, this, &ClassWindow::sortRows);
    // A click on a heading sorts too, and the two choices follow it.
    connect(table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this](int column, Qt::SortOrder order) {
        const QSignalBlocker a(sortBox), b(reverseBox);
        sortBox->setCurrentIndex(column);
        reverseBox->setChecked(order == Qt::DescendingOrder);
    });
    connect(table, &QTableView::activated, this, &ClassWindow::ShowHistory); // Enter, or a double click
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        historyButton->setEnabled(CurrentRow());
        forgetChildButton->setEnabled(CurrentRow());
    });

    const std::vector<QWidget *> order{periodBox,     fromDate,          toDate,             sortBox, reverseBox, table, historyButton, exportButton,
                                       exportAllButton, importButton, forgetChildButton, forgetBeforeButton, keepBox, closeButton};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    period();
    // Most of the screen, in its middle.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(fontMetrics().averageCharWidth() * 140, screen.width() * 9 / 10), std::min(fontMetrics().height() * 32, screen.height() * 9 / 10));
    move(screen.center() - rect().center());
    table->setFocus();
}

ClassWindow::~ClassWindow() = default;

QDate ClassWindow::SchoolYearStartOf() const { return Classroom::SchoolYearStart(today()); }

Classroom::Span ClassWindow::span() const
{
    return Classroom::SpanOf(Classroom::Period(periodBox->currentIndex()), today(), fromDate->date(), toDate->date());
}

void ClassWindow::Refresh()
{
    const Classroom::Span s = span();
    const QString current = CurrentRow() ? CurrentRow()->key : QString();
    std::vector<Classroom::Row> rows = Classroom::Rows(history_.hours(s.from, s.to), today());
    for (Classroom::Row &r : rows)
        r.mistakes = mistakes_->known({r.key, r.name, r.exercises}, s.from, s.to);
    model_->setRows(std::move(rows));
    // What to practise, child after child in the order shown, while the teacher works.
    std::vector<ClassMistakes::Child> children;
    for (const Classroom::Row &r : model_->rows())
        children.push_back({r.key, r.name, r.exercises});
    mistakes_->start(children, s.from, s.to, today());
    const int again = model_->rowOf(current);
    table->setCurrentIndex(model_->index(again >= 0 ? again : 0, 0));
    historyButton->setEnabled(CurrentRow());
    forgetChildButton->setEnabled(CurrentRow());
}

void ClassWindow::sortRows()
{
    table->sortByColumn(sortBox->currentIndex(), reverseBox->isChecked() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

const Classroom::Row *ClassWindow::CurrentRow() const
{
    const QModelIndex i = table->currentIndex();
    return i.isValid() && i.row() < int(model_->rows().size()) ? &model_->rows()[i.row()] : nullptr;
}

const std::vector<Classroom::Row> &ClassWindow::Rows() const { return model_->rows(); }

void ClassWindow::FinishMistakes() { mistakes_->finish(); }

void ClassWindow::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(e);
}

// A message in the window's last line, said aloud; in a box of its own when it answers a command.
void ClassWindow::say(const QString &text, bool box, bool warning)
{
    status->setText(text);
    if (!box) {
        announcement_->say(text);
        return;
    }
    QMessageBox m(warning ? QMessageBox::Warning : QMessageBox::Information, words_.title, text, QMessageBox::Ok, this);
    m.exec();
}

// ---------------------------------------------------------------- the commands

void ClassWindow::ShowHistory()
{
    if (const Classroom::Row *r = CurrentRow())
        emit historyWanted(r->name);
}

QString ClassWindow::fileFor(FileUse use, const QString &suggested)
{
    if (chooseFile)
        return chooseFile(use, suggested);
    const QString filter = use == FileUse::SheetByExercise || use == FileUse::SheetByChild ? words_.sheetFiles : words_.historyFiles;
    const QString start = QDir::home().filePath(suggested);
    return use == FileUse::HistoryIn ? QFileDialog::getOpenFileName(this, importButton->text(), QDir::homePath(), filter)
                                     : QFileDialog::getSaveFileName(this, words_.title, start, filter);
}

bool ClassWindow::writeSheet(FileUse use)
{
    const bool byExercise = use == FileUse::SheetByExercise;
    const QString name = Formatter::fill(QStringLiteral("%1 %2.csv"), {words_.title, today().toString(Qt::ISODate)});
    const QString file = fileFor(use, name);
    if (file.isEmpty())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Classroom::Span s = span();
    const Spreadsheet &sheet = model_->sheet();
    int lines = 0;
    bool written = false;
    if (byExercise) {
        written = Spreadsheet::Write(file, sheet.ExerciseHeader(), [&](const auto &put) {
            return history_.eachAttempt([&](const Attempt &a) { put(sheet.ExerciseFields(a)), ++lines; }, s.from, s.to);
        });
    } else {
        FinishMistakes();
        written = Spreadsheet::Write(file, sheet.ChildHeader(), [&](const auto &put) {
            for (const Classroom::Row &r : model_->rows())
                put(sheet.ChildFields(r)), lines += r.exercises;
            return true;
        });
    }
    QApplication::restoreOverrideCursor();
    if (!written)
        say(words_.trouble(Transfer::Trouble::Unwritable), true, true);
    else
        say(Formatter::fill(words_.written, {QDir::toNativeSeparators(file), num(lines)}), true);
    return written;
}

void ClassWindow::ExportByExercise() { writeSheet(FileUse::SheetByExercise); }
void ClassWindow::ExportByChild() { writeSheet(FileUse::SheetByChild); }

void ClassWindow::ExportAll()
{
    const QString name = Formatter::fill(QStringLiteral("%1 %2.cuentas"), {QSysInfo::machineHostName(), today().toString(Qt::ISODate)});
    const QString file = fileFor(FileUse::HistoryOut, name);
    if (file.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Transfer::Written w = Transfer::Write(history_, file);
    QApplication::restoreOverrideCursor();
    if (w.trouble != Transfer::Trouble::None)
        return say(words_.trouble(w.trouble), true, true);
    say(Formatter::fill(words_.written, {QDir::toNativeSeparators(file), num(w.attempts)}), true);
}

void ClassWindow::ImportAll()
{
    const QString file = fileFor(FileUse::HistoryIn, QString());
    if (file.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Transfer::Merged m = Transfer::Import(history_, file);
    QApplication::restoreOverrideCursor();
    if (m.trouble != Transfer::Trouble::None)
        return say(words_.trouble(m.trouble), true, true);
    if (m.merged.attempts > 0)
        changed();
    say(m.merged.attempts == 0 ? words_.nothingNew
                               : Formatter::fill(words_.merged, {num(m.merged.attempts), num(m.merged.children), num(m.merged.newChildren)}),
        true);
}

void ClassWindow::ForgetChild()
{
    const Classroom::Row *r = CurrentRow();
    if (!r)
        return;
    const QString name = r->name;
    const int count = history_.countOf(name);
    if (QMessageBox::question(this, words_.title, Formatter::fill(words_.forgetChildAsk, {name, num(count)}), QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!history_.forget(name))
        return say(words_.trouble(Transfer::Trouble::Failed), true, true);
    changed();
    say(Formatter::fill(words_.forgotten, num(count)), false);
}

void ClassWindow::ForgetBefore()
{
    // The day: the first of this school year unless the teacher picks another.
    QDialog ask(this);
    ask.setObjectName(QStringLiteral("forgetBefore"));
    ask.setWindowTitle(words_.title);
    auto *layout = new QVBoxLayout(&ask);
    auto *label = new QLabel(words_.forgetBeforeDay, &ask);
    auto *day = new QDateEdit(SchoolYearStartOf(), &ask);
    day->setCalendarPopup(true);
    day->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    day->setAccessibleName(words_.forgetBeforeDay);
    label->setBuddy(day);
    auto *buttons = new QDialogButtonBox(&ask);
    buttons->addButton(words_.ok, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(words_.cancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(day);
    layout->addWidget(buttons);
    day->setFocus();
    if (ask.exec() != QDialog::Accepted)
        return;

    const QDateTime before = Classroom::SpanOf(Classroom::Period::Between, today(), day->date(), day->date()).from;
    const QString when = formatterWords_.locale.toString(day->date(), words_.dayFormat);
    const int count = history_.countBefore(before);
    if (count == 0)
        return say(Formatter::fill(words_.nothingBefore, when), true);
    if (QMessageBox::question(this, words_.title, Formatter::fill(words_.forgetBeforeAsk, {num(count), when}), QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!history_.forgetBefore(before))
        return say(words_.trouble(Transfer::Trouble::Failed), true, true);
    changed();
    say(Formatter::fill(words_.forgotten, num(count)), false);
}

void ClassWindow::SetKeeping(bool on)
{
    if (!history_.setKeeping(on))
        say(words_.trouble(Transfer::Trouble::Failed), true, true);
    const QSignalBlocker quiet(keepBox);
    keepBox->setChecked(history_.keeping());
}

void ClassWindow::changed()
{
    mistakes_->forget();
    Refresh();
    emit historyChanged();
}

// ---------------------------------------------------------------- the door

QString ClassWindow::NotKeptLine(const ClassWords &words, const Storage *history)
{
    const std::size_t why = history ? std::size_t(history->trouble()) : 0;
    const Words w = loadFormatterWords();
    if (why < 1 || why > w.troubles.size())
        return words.trouble(Transfer::Trouble::NoHistory);
    return Formatter::fill(words.notKeptHere, Formatter::fill(w.troubles[why - 1], QDir::toNativeSeparators(history->file())));
}

bool ClassWindow::Admit(Storage *history, TeacherPin *pin, QWidget *over)
{
    const ClassWords words = loadWords();
    if (!history || !history->isOpen() || !pin) {
        QMessageBox::information(over, words.title, NotKeptLine(words, history));
        return false;
    }
    PinDialog door(*pin, words, over);
    return door.exec() == QDialog::Accepted;
}
