#include "windows/forms.h"

#include "windows/common/exercisewindow.h"

#include "windows/column/form1.h"
#include "windows/division/form2.h"
#include "windows/multiplication/form3.h"
#include "windows/presentation/form4.h"
#include "windows/results/form5.h"
#include "windows/results/historywindow.h"
#include "windows/class/classwindow.h"
#include "storage/storage.h"
#include "storage/teacherpin.h"

Forms &forms()
{
    static Forms f;
    return f;
}

template <class F> F *Forms::get(QPointer<F> &slot)
{
    if (!slot) {
        auto *f = new F();
        slot = f; // registered before its load, so the load may refer to other windows that refer back
        if constexpr (std::is_base_of_v<ExerciseWindow, F>)
            QObject::connect(f, &ExerciseWindow::finished, &record_, &Record::add);
        if constexpr (std::is_same_v<F, Form5>)
            f->ShowRecord(&record_);
        if constexpr (std::is_same_v<F, HistoryWindow>)
            f->ShowFrom(&record_, storage_);
        f->Form_Load();
    }
    return slot.data();
}

Form1 *Forms::form1() { return get(f1_); }
Form2 *Forms::form2() { return get(f2_); }
Form3 *Forms::form3() { return get(f3_); }
Form4 *Forms::form4() { return get(f4_); }
Form5 *Forms::form5() { return get(f5_); }
HistoryWindow *Forms::history() { return get(history_); }

ClassWindow *Forms::classWindow() const { return class_.data(); }

void Forms::setStorage(Storage *storage)
{
    storage_ = storage;
    pin_.reset();
}

TeacherPin *Forms::pin()
{
    if (!pin_ && storage_)
        pin_ = std::make_unique<TeacherPin>(*storage_);
    return pin_.get();
}

void Forms::openClass(QWidget *over)
{
    if (class_) {
        class_->raise();
        class_->activateWindow();
        return;
    }
    if (!ClassWindow::Admit(storage_, pin(), over))
        return;
    class_ = new ClassWindow(*storage_);
    QObject::connect(class_, &ClassWindow::historyWanted, class_, [this](const QString &name) {
        HistoryWindow *h = history();
        h->ShowChild(name);
        h->Show();
    });
    // A history shown before an import or a deletion is not shown any more.
    QObject::connect(class_, &ClassWindow::historyChanged, class_, [this] {
        if (history_)
            history_->hide();
    });
    class_->show();
    class_->raise();
    class_->activateWindow();
}

void Forms::keepHistory(Storage *storage)
{
    setStorage(storage);
    QObject::connect(
        form4(), &Form::painted, storage,
        [this, storage] {
            storage->open();
            storage->keep(record_);
        },
        Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
}

Form *Forms::mainWindow() { return form1(); }
Form *Forms::resultsWindow() { return form5(); }
const FileList &Forms::backgrounds() { return *form1()->File1; }

void Forms::unloadAll()
{
    delete f2_.data();
    delete f3_.data();
    delete f4_.data();
    delete history_.data();
    delete class_.data();
    delete f5_.data();
    delete f1_.data();
}
