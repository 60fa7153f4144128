// Data files damaged or re-saved by a teacher: no crash, no hang, bounded
// memory, the right characters.
#include "testkit.h"

#include "app/module1.h"
#include "windows/column/form1.h"
#include "windows/forms.h"
#include "windows/presentation/form4.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStringEncoder>
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
        QTest::newRow("random bytes") << QByteArray(5000, '\xA7') << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("a long clip, 6 MB") << wave(6'000'000, 6'000'000) << false;
    }
    void soundClips()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, playable);
        data->write("/sonidos/pulsa.wav", bytes);
        const long before = virtualMB();
        for (int i = 0; i < 3; ++i)
            Sound::play("/sonidos/pulsa.wav");
        QTest::qWait(300); // the back end loads in the background
        QVERIFY2(virtualMB() - before < 200, qPrintable(QString::number(virtualMB() - before)));
        QCOMPARE(Sound::plausibleClip(data->path("/sonidos/pulsa.wav")), playable);
    }

    void languageFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // formulario1y2.txt
        QTest::addColumn<QString>("leave");    // what the leave button says (line 1)
        QTest::addColumn<QString>("right");    // the verdict of a right answer (line 5)
        const QString lines = QStringLiteral("SALIDA\r\nRESULTADOS\r\nFONDOS\r\nComprueba\r\n¡MUY BIEN!\r\nREPASA\r\n"
                                                     "Suma\r\nResta\r\nMultiplicación\r\nDivisión\r\n¿Salir?\r\n");
        auto utf16 = [](const QString &s, bool little) { // with its byte-order mark
            return QByteArray(QStringEncoder(little ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom)(s));
        };
        QTest::newRow("Windows-1252 as shipped") << cp1252Lines(lines.split("\r\n", Qt::SkipEmptyParts)) << "SALIDA" << "¡MUY BIEN!";
        QTest::newRow("UTF-8") << lines.toUtf8() << "SALIDA" << "¡MUY BIEN!";
        QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF" + lines.toUtf8() << "SALIDA" << "¡MUY BIEN!";
        QTest::newRow("UTF-16 little-endian") << utf16(lines, true) << "SALIDA" << "¡MUY BIEN!";
        QTest::newRow("UTF-16 big-endian") << utf16(lines, false) << "SALIDA" << "¡MUY BIEN!";
        QTest::newRow("control characters") << (QByteArray("SA\x01LI") + '\0' + "DA\t!\x7F\r\n\r\n\r\n\r\nBIEN\x1B\r\n")
                                            << "SALIDA\t!" << "BIEN";
        QTest::newRow("1 MB of NUL bytes") << QByteArray(1 << 20, '\0') << "" << "";
        QTest::newRow("a very long line") << QByteArray(200'000, 'A') + "\r\nB\r\nC\r\nD\r\nBIEN\r\n" << QString(300, 'A') << "BIEN";
    }
    void languageFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, leave);
        QFETCH(QString, right);
        data->write("/idioma/formulario1y2.txt", bytes);
        const long before = virtualMB();
        Form1 *f = loadMainWindow();
        QCOMPARE(f->Command8[0]->Caption(), leave);
        QCOMPARE(f->VerdictTexts[0], right);
        QCOMPARE(f->Words.result, "Resultado"); // a line the file lacks keeps its default
        QElapsedTimer drawing;
        drawing.start();
        f->repaint();
        QVERIFY2(drawing.elapsed() < 500, qPrintable(QString::number(drawing.elapsed())));
        QVERIFY(virtualMB() - before < 200);
    }

    void notRegularFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind"); // pipe, folder, loop (a link to itself)
        for (const char *file : {"/idioma/presentacion.txt", "/idioma/formulario1y2.txt", "/paralistos.txt", "/gifs/2.gif",
                                 "/sonidos/corre.wav", "/Fondos/1-cielo.jpg"})
            for (const char *kind : {"pipe", "folder", "loop"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(kind, file))) << QString(file) << QString(kind);
    }
    void notRegularFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        const QByteArray path = QFile::encodeName(data->path(file));
        data->remove(file);
        if (kind == "pipe")
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(data->path(file)));
        else
            QVERIFY(QFile::link(data->path(file), data->path(file)));
        // Everything that reads a data file: the name window, then every other one.
        Form4 *name = forms().form4();
        QCOMPARE(name->NamePrompt, file.contains("presentacion") ? "" : "Escribe tu nombre");
        name->Text1->setText("Ana");
        click(name->Command1);
        tourEveryWindow();
        QCOMPARE(forms().form1()->Vorlando1->hasAnimation(), !file.endsWith("2.gif"));
        QCOMPARE(resultsLines().size(), 4);
        QCOMPARE(resultsLines()[0], file.contains("formulario1y2") ? "1. : 5 + 4 = 9 **  **" : "1. Suma: 5 + 4 = 9 ** ¡MUY BIEN! **");
    }
};

QTEST_MAIN(TestDamaged)
#include "tst_damaged.moc"
