// Data files damaged or replaced: no crash, no hang, bounded memory.
#include "testkit.h"

#include "app/sound.h"
#include "app/random.h"
#include "windows/column/form1.h"
#include "windows/division/form2.h"
#include "windows/multiplication/form3.h"
#include "windows/forms.h"
#include "windows/presentation/form4.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>

namespace {

// Virtual memory of the process in MB, as the kernel counts it.
long virtualMB()
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &l : f.readAll().split('\n'))
        if (l.startsWith("VmSize:"))
            return l.mid(7).trimmed().split(' ').first().toLong() / 1024;
    return 0;
}

// A RIFF/WAVE file: 16-bit mono PCM at 22050 Hz unless told otherwise, whose
// data chunk claims dataSize bytes and holds `actual` of them; `extra` chunks
// stand between the format and the data.
QByteArray wave(quint32 dataSize, int actual, quint16 format = 1, const QByteArray &magic = "WAVE", const QByteArray &extra = {})
{
    auto le32 = [](quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; };
    auto le16 = [](quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; };
    QByteArray fmt = le16(format) + le16(1) + le32(22050) + le32(44100) + le16(2) + le16(16);
    QByteArray body = magic + "fmt " + le32(quint32(fmt.size())) + fmt + extra + "data" + le32(dataSize) + QByteArray(actual, '\x10');
    return "RIFF" + le32(quint32(body.size())) + body;
}

} // namespace

class TestDamaged : public FreshProgramTest
{
    Q_OBJECT

private slots:
    void soundClips_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("playable");
        QTest::newRow("short PCM clip") << wave(8000, 8000) << true;
        QTest::newRow("header claims 2 GB") << wave(0x7FFF0000u, 4000) << false;
        QTest::newRow("header claims more than is there") << wave(9000, 8000) << false;
        QTest::newRow("not PCM") << wave(8000, 8000, 3) << false;
        QTest::newRow("not WAVE") << wave(8000, 8000, 1, "AVI ") << false;
        QTest::newRow("big-endian RIFX") << "RIFX" + wave(8000, 8000).mid(4) << false;
        QTest::newRow("an odd-sized chunk, padded, before the data")
            << wave(8000, 8000, 1, "WAVE", QByteArray("LIST\x03\0\0\0abc\0", 12)) << true;
        QTest::newRow("header only") << wave(8000, 8000).left(30) << false;
        QTest::newRow("a format and no samples") << wave(8000, 8000).left(36) << false;
        QTest::newRow("random bytes") << QByteArray(5000, '\xA7') << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("a long clip, 6 MB") << wave(6'000'000, 6'000'000) << false;
    }
    void soundClips()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, playable);
        data->write("/sonidos/pulsa.wav", bytes);
        Sound::waitUntilReady(); // the sound stack itself, and a sound server's stream, are not the clip's doing
        Sound::play("/sonidos/acierto.wav");
        QTest::qWait(300);
        const long before = virtualMB();
        for (int i = 0; i < 3; ++i)
            Sound::play("/sonidos/pulsa.wav");
        QTest::qWait(300); // the back end loads in the background
        QVERIFY2(virtualMB() - before < 200, qPrintable(QString::number(virtualMB() - before)));
        QCOMPARE(Sound::plausibleClip(data->path("/sonidos/pulsa.wav")), playable);
    }

    void brokenFiles_data()
    {
        QTest::addColumn<QString>("file"); // "" every data file at once
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("lines"); // of a tour of every window, every draw at its lowest; empty: any
        for (const char *kind : {"missing", "empty", "garbage", "truncated", "other case"})
            QTest::addRow("every file %s", kind) << QString() << QString(kind) << QStringList();
        // a window without its language file writes its lines without words, numbered on from the others
        const QStringList whole{"1. Suma: 5 + 4 = 9 ** ¡MUY BIEN! **", "2. Multiplicación: 100 X 2 <> 0 ** REPASA **",
                                "3. Multiplicación: 11111 X 22 =  ?  ** REPASA **", "4. DIVISIÓN 1000 : 2 = 500 + RESTO - 0 ** REPASA **"};
        auto without = [&](int i, const QString &line, const QString &second = {}) {
            QStringList l = whole;
            l[i] = line;
            if (!second.isEmpty())
                l[i + 1] = second;
            return l;
        };
        const QList<std::pair<QString, QStringList>> files{
            {"/idioma/presentacion.txt", whole},
            {"/idioma/formulario1y2.txt", without(0, "1. : 5 + 4 = 9 **  **", "2. : 100 X 2 <> 0 **  **")},
            {"/idioma/formulariodivision.txt", without(3, "4. DIVISIÓN 1000 : 2 = 500 + RESTO - 0 **  **")},
            {"/idioma/formulariomulti.txt", without(2, "3. 11111 X 22 =  ?  **  **")},
            {"/paralistos.txt", whole}, {"/gifs/2.gif", whole}, {"/sonidos/corre.wav", whole}, {"/Fondos/1-cielo.jpg", whole}};
        for (const auto &[file, lines] : files)
            for (const char *kind : {"missing", "pipe", "folder", "loop"}) // loop: a link to itself
                QTest::addRow("%s %s", kind, qPrintable(file)) << file << QString(kind) << lines;
    }
    void brokenFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QStringList, lines);
        auto listing = [&] {
            QStringList all;
            QDirIterator it(data->path(""), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                all << path + ":" + QString::number(QFileInfo(path).size());
            }
            all.sort();
            return all;
        };
        QStringList files{data->path(file)};
        if (file.isEmpty()) {
            files = listing().replaceInStrings(QRegularExpression(":[0-9]+$"), "");
            files.removeIf([](const QString &f) { return !QFileInfo(f).isFile(); });
        }
        for (const QString &path : files) {
            const QString relative = path.mid(data->path("").size());
            QFile f(path);
            const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            f.close();
            data->remove(relative);
            if (kind == "pipe")
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            else if (kind == "folder")
                QVERIFY(QDir().mkpath(path));
            else if (kind == "loop")
                QVERIFY(QFile::link(path, path));
            else if (kind == "other case")
                data->write(QFileInfo(relative).path() + "/" + QFileInfo(relative).fileName().toUpper(), bytes);
            else if (kind != "missing")
                data->write(relative, kind == "garbage"     ? QByteArray(300, '\xFF') + QByteArray("\r\n\x00\x9D", 4)
                                      : kind == "truncated" ? bytes.left(bytes.size() / 3)
                                                            : QByteArray());
        }
        const QStringList before = listing();
        Random::setSource([] { return 0.0; });
        // Everything that reads a data file: the name window, then every other one.
        Form4 *name = forms().form4();
        if (!file.isEmpty())
            QCOMPARE(name->NamePrompt, file.contains("presentacion") ? "" : "Escribe tu nombre");
        name->Text1->setText("Ana");
        click(name->Command1);
        tourEveryWindow();
        QCOMPARE(resultsLines().size(), 4);
        QVERIFY(resultsLines()[0].startsWith("1. ") && resultsLines()[0].contains(" = 9 ** ") && lastLine().startsWith("4. DIVISIÓN "));
        if (!file.isEmpty()) { // the rest as shipped; names stay in Spanish
            QCOMPARE(resultsLines(), lines);
            QCOMPARE(forms().form1()->Vorlando1->hasAnimation(), !file.endsWith("2.gif"));
            QCOMPARE(forms().form2()->Command13[0]->Caption() + forms().form3()->Command8[0]->Caption(), "SALIRSALIR");
            QCOMPARE(spoken(forms().form3()->Command7[2]) + ", " + spoken(forms().form2()->Command12[1]), "Comprobar el resultado, Bajar la cifra 3");
        }
        QTest::qWait(100);
        QCOMPARE(listing(), before); // nothing is ever written
    }
};

QTEST_MAIN(TestDamaged)
#include "tst_damaged.moc"
