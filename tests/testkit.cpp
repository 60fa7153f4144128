#include "testkit.h"

#include "app/module1.h"
#include "app/startup.h"
#include "ui/form.h"
#include "windows/forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

void TestData::rename(const QString &relative, const QString &newName) const
{
    const QFileInfo fi(path(relative));
    QFile::rename(fi.filePath(), fi.dir().filePath(newName));
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
    QByteArray out;
    for (const QString &l : lines) {
        for (QChar c : l) {
            // The few characters of the tests outside Latin-1.
            if (c == QChar(0x2013))
                out += char(0x96);
            else if (c == QChar(0x20AC))
                out += char(0x80);
            else
                out += char(c.unicode() & 0xFF);
        }
        out += "\r\n";
    }
    return out;
}

void scriptRandom(const QVector<double> &values)
{
    script() = values;
    Random::setSource([] { return script().isEmpty() ? 0.0 : script().takeFirst(); });
}

double pick(int n, int k, int d) { return (d - k + 0.5) / n; }

int scriptedLeft() { return script().size(); }

void resetProgram()
{
    forms().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::reset();
    Sound::requests().clear();
    script().clear();
    Random::setSource({});
    Clock::setSecond(0);
}

void click(QWidget *w)
{
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void clickTimes(QWidget *w, int times)
{
    for (int i = 0; i < times; ++i)
        click(w);
}

void answerNextMessageBox(bool yes, QString *title, QString *text, bool *yesIsDefault)
{
    QTimer::singleShot(0, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            qWarning("no message box to answer");
            return;
        }
        if (title)
            *title = box->windowTitle();
        if (text)
            *text = box->text();
        if (yesIsDefault)
            *yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
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
