// The files that ship beside the program and the pictures stored in its windows.
#include "testkit.h"

#include "app/module1.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QPixmap>
#include <QSoundEffect>
#include <QStringDecoder>
#include <QTest>
#include <QtEndian>

namespace {

const QString dataDir = QStringLiteral(CUENTAS_DATA_DIR);

QByteArray readAll(const QString &relative)
{
    QFile f(dataDir + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Wave {
    int format = 0, channels = 0, bits = 0, rate = 0;
    QByteArray samples;
};

Wave parseWave(const QByteArray &b)
{
    Wave w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return w;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + at + 4);
        const char *body = b.constData() + at + 8;
        if (id == "fmt " && size >= 16) {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = static_cast<int>(qFromLittleEndian<quint32>(body + 4));
            w.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            w.samples = b.mid(at + 8, size);
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

} // namespace

class TestData_ : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestData> data; // also prepares the application's fonts

private slots:
    void initTestCase() { data = std::make_unique<TestData>(); }
    void cleanupTestCase() { data.reset(); }

    void sounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("maxSeconds");
        for (const char *n : {"operacion.wav", "num.wav", "historial.wav", "fondo.wav", "corre.wav", "fallo.wav"})
            QTest::newRow(n) << QString::fromLatin1(n) << 1.0;
        QTest::newRow("pulsa.wav") << "pulsa.wav" << 0.3;
        QTest::newRow("pulsa-.wav") << "pulsa-.wav" << 0.3;
        QTest::newRow("acierto.wav") << "acierto.wav" << 2.0;
    }
    void sounds()
    {
        QFETCH(QString, name);
        QFETCH(double, maxSeconds);
        const QByteArray bytes = readAll("/sonidos/" + name);
        const Wave w = parseWave(bytes);
        QCOMPARE(w.format, 1); // PCM
        QVERIFY(Sound::plausibleClip(dataDir + "/sonidos/" + name)); // the player takes it
        QCOMPARE(w.channels, 1);
        QCOMPARE(w.bits, 16);
        const double seconds = w.samples.size() / 2.0 / w.rate;
        QVERIFY2(seconds > 0.03 && seconds <= maxSeconds, qPrintable(QString::number(seconds)));
        int peak = 0;
        for (qsizetype i = 0; i + 1 < w.samples.size(); i += 2)
            peak = qMax(peak, qAbs(int(qFromLittleEndian<qint16>(w.samples.constData() + i))));
        QVERIFY2(peak > 8000 && peak < 32000, qPrintable(QString::number(peak))); // audible, not clipped

        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(dataDir + "/sonidos/" + name));
        QTRY_VERIFY_WITH_TIMEOUT(effect.status() != QSoundEffect::Loading && effect.status() != QSoundEffect::Null, 5000);
        QCOMPARE(effect.status(), QSoundEffect::Ready);
    }

    void soundsAreDistinct()
    {
        QSet<QByteArray> seen;
        for (const QString &n : QDir(dataDir + "/sonidos").entryList(QDir::Files))
            seen.insert(parseWave(readAll("/sonidos/" + n)).samples);
        QCOMPARE(seen.size(), 9);
    }

    void animations_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("loopsForEver");
        for (const char *n : {"1.gif", "2.gif", "3.gif"})
            QTest::newRow(n) << QString::fromLatin1(n) << QSize(81, 73) << true;
        QTest::newRow("acierto2.gif") << "acierto2.gif" << QSize(97, 97) << false;
        QTest::newRow("si.gif") << "si.gif" << QSize(65, 65) << false;
        QTest::newRow("no.gif") << "no.gif" << QSize(65, 65) << false;
        QTest::newRow("acierto.gif") << "acierto.gif" << QSize(113, 105) << false;
        QTest::newRow("fallo.gif") << "fallo.gif" << QSize(113, 105) << false;
    }
    void animations()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, loopsForEver);
        QImageReader reader(dataDir + "/gifs/" + name);
        QCOMPARE(reader.format(), QByteArray("gif"));
        QVERIFY(reader.imageCount() > 1);
        QCOMPARE(reader.size(), size);
        const QImage first = reader.read();
        QVERIFY(!first.isNull());
        QVERIFY(first.hasAlphaChannel());
        QCOMPARE(qAlpha(first.pixel(0, 0)), 0); // transparent background
        QCOMPARE(reader.loopCount(), loopsForEver ? -1 : 0);
    }

    void backgrounds()
    {
        const QStringList names = QDir(dataDir + "/Fondos").entryList(QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 4);
        for (const QString &n : names) {
            const QImage img(dataDir + "/Fondos/" + n);
            QVERIFY2(!img.isNull(), qPrintable(n));
            QVERIFY(img.width() >= 645 && img.height() >= 491); // the largest window
            // soft: no darker than a pale tint, so black digits stay readable
            qint64 sum = 0;
            for (int y = 0; y < img.height(); y += 7)
                for (int x = 0; x < img.width(); x += 7)
                    sum += qGray(img.pixel(x, y));
            const qint64 count = qint64((img.height() + 6) / 7) * ((img.width() + 6) / 7);
            QVERIFY2(sum / count > 200, qPrintable(n));
        }
    }

    void languageFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lines");
        QTest::newRow("formulario1y2.txt") << "/idioma/formulario1y2.txt" << 11;
        QTest::newRow("formulariodivision.txt") << "/idioma/formulariodivision.txt" << 10;
        QTest::newRow("formulariomulti.txt") << "/idioma/formulariomulti.txt" << 6;
        QTest::newRow("presentacion.txt") << "/idioma/presentacion.txt" << 3;
        QTest::newRow("Resultados.txt") << "/idioma/Resultados.txt" << 1;
        QTest::newRow("paralistos.txt") << "/paralistos.txt" << 1;
    }
    void languageFiles()
    {
        QFETCH(QString, name);
        QFETCH(int, lines);
        const QByteArray bytes = readAll(name);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), lines);
        QCOMPARE(bytes.count('\n'), lines); // no bare line feeds
        QCOMPARE(bytes.count('\r'), lines);
        for (const char undefined : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
            QVERIFY(!bytes.contains(undefined));
        QStringDecoder decode("windows-1252");
        const QString text = decode(bytes);
        QVERIFY(!decode.hasError());
        QVERIFY(!text.contains(QChar::ReplacementCharacter));
        for (const QString &l : text.split("\r\n").mid(0, lines))
            QVERIFY(!l.trimmed().isEmpty());
        if (name == "/paralistos.txt")
            QVERIFY(text != "SI\r\n");
    }

    void captionsFitTheirButtons_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("widthTwips");
        QTest::newRow("SALIDA") << "formulario1y2.txt" << 1 << 15.75 << 2175;
        QTest::newRow("RESULTADOS") << "formulario1y2.txt" << 2 << 12.0 << 2175;
        QTest::newRow("FONDOS") << "formulario1y2.txt" << 3 << 15.75 << 2175;
        QTest::newRow("check") << "formulario1y2.txt" << 4 << 14.25 << 2175;
        QTest::newRow("right") << "formulario1y2.txt" << 5 << 14.25 << 2175;
        QTest::newRow("wrong") << "formulario1y2.txt" << 6 << 14.25 << 2175;
        QTest::newRow("division SALIR") << "formulariodivision.txt" << 1 << 18.0 << 2655;
        QTest::newRow("division NIVEL") << "formulariodivision.txt" << 4 << 12.0 << 1215;
        QTest::newRow("division Empezar") << "formulariodivision.txt" << 5 << 18.0 << 3375;
        QTest::newRow("division Fin") << "formulariodivision.txt" << 6 << 18.0 << 1335;
        QTest::newRow("multi SALIR") << "formulariomulti.txt" << 1 << 18.0 << 2535;
        QTest::newRow("multi RESULTADOS") << "formulariomulti.txt" << 2 << 18.0 << 3615;
        QTest::newRow("multi FONDOS") << "formulariomulti.txt" << 3 << 18.0 << 2655;
        QTest::newRow("Nombre") << "presentacion.txt" << 1 << 18.0 << 2175;
        QTest::newRow("ACEPTAR") << "presentacion.txt" << 2 << 18.0 << 4575;
        QTest::newRow("prompt") << "presentacion.txt" << 3 << 14.0 << 4575;
    }
    void captionsFitTheirButtons()
    {
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(double, points);
        QFETCH(int, widthTwips);
        QStringDecoder decode("windows-1252");
        const QString text = QString(decode(readAll("/idioma/" + file))).split("\r\n").value(line - 1);
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(points);
        f.setBold(true);
        QVERIFY2(QFontMetrics(f).horizontalAdvance(text) <= widthTwips / 15 - 6, qPrintable(text));
    }

    void storedPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("minus") << "minus.png" << QSize(34, 8);
        QTest::newRow("baby") << "baby.png" << QSize(45, 44);
        QTest::newRow("dinosaur") << "dino.png" << QSize(55, 45);
        QTest::newRow("runner") << "runner.png" << QSize(41, 50);
        QTest::newRow("clock") << "clock.png" << QSize(64, 64);
        QTest::newRow("clock crossed out") << "clock_off.png" << QSize(64, 64);
        QTest::newRow("arrow down") << "arrow_down.png" << QSize(40, 40);
        QTest::newRow("bird") << "bird.png" << QSize(68, 56);
        QTest::newRow("green arrow") << "arrow_left.png" << QSize(32, 32);
        QTest::newRow("presentation card") << "card.png" << QSize(457, 332);
        QTest::newRow("icon") << "icon.png" << QSize(32, 32);
    }
    void storedPictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QPixmap p(":/pictures/" + name);
        QVERIFY(!p.isNull());
        QCOMPARE(p.size(), size);
    }
};

QTEST_MAIN(TestData_)
#include "tst_data.moc"
