// The files that ship beside the program and the pictures stored in its windows.
#include "testkit.h"

#include "app/module1.h"
#include "ui/controls.h"

#include <QDir>
#include <QMap>
#include <QtEndian>
#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QPixmap>
#include <QSoundEffect>
#include <QStringDecoder>
#include <QTest>
#include <cmath>
#include <QtEndian>

namespace {

const QString dataDir = QStringLiteral(CUENTAS_DATA_DIR);

double contrast(const QColor &a, const QColor &b)
{
    auto lum = [](const QColor &c) {
        auto ch = [](int v) { const double x = v / 255.0; return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4); };
        return 0.2126 * ch(c.red()) + 0.7152 * ch(c.green()) + 0.0722 * ch(c.blue());
    };
    const double la = lum(a), lb = lum(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

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

    void soundLevels()
    {
        // Loudness: the mean power of the 50 ms windows within 20 dB of the loudest one.
        auto samples = [](const QString &name) {
            const QByteArray b = parseWave(readAll("/sonidos/" + name)).samples;
            QVector<double> v;
            for (qsizetype i = 0; i + 1 < b.size(); i += 2)
                v << qFromLittleEndian<qint16>(b.constData() + i) / 32768.0;
            return v;
        };
        auto loudness = [](const QVector<double> &v) {
            const int win = 1102;
            QVector<double> powers;
            for (int i = 0; i < v.size(); i += win) {
                double sum = 0;
                const int n = qMin(win, int(v.size()) - i);
                for (int j = 0; j < n; ++j)
                    sum += v[i + j] * v[i + j];
                powers << sum / n;
            }
            const double top = *std::max_element(powers.begin(), powers.end());
            double sum = 0;
            int kept = 0;
            for (double p : powers)
                if (p >= top / 100)
                    sum += p, ++kept;
            return 10 * std::log10(sum / kept);
        };
        QMap<QString, double> level;
        for (const QString &n : QDir(dataDir + "/sonidos").entryList(QDir::Files))
            level[n] = loudness(samples(n));
        const double right = level.take("acierto.wav"), wrong = level.take("fallo.wav");
        for (auto it = level.begin(); it != level.end(); ++it)
            QVERIFY2(qAbs(it.value() - right) <= 1.5, qPrintable(it.key() + ": " + QString::number(it.value() - right)));
        QVERIFY2(right - wrong >= 3 && right - wrong <= 6, qPrintable(QString::number(right - wrong)));
        // The operation sound does not begin like the right-answer jingle: another first note.
        auto crossings = [](const QVector<double> &v) {
            int n = 0;
            for (int i = 1; i < 882; ++i) // the first 40 ms
                n += (v[i - 1] < 0) != (v[i] < 0);
            return n;
        };
        const int a = crossings(samples("acierto.wav")), o = crossings(samples("operacion.wav"));
        QVERIFY2(qAbs(a - o) > a / 20, qPrintable(QStringLiteral("%1 %2").arg(a).arg(o)));
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
        // the same animation twice the size, for screens at 2×
        QImageReader sharp(dataDir + "/gifs/" + QString(name).replace(".gif", "@2x.gif"));
        QCOMPARE(sharp.size(), 2 * size);
        QCOMPARE(sharp.imageCount(), reader.imageCount());
        QCOMPARE(sharp.loopCount(), reader.loopCount());
    }

    void backgrounds()
    {
        QStringList names = QDir(dataDir + "/Fondos").entryList(QDir::Files, QDir::Name);
        names.removeIf([](const QString &n) { return n.contains("@2x."); });
        QVERIFY(names.size() >= 4);
        for (const QString &n : names) {
            const QImage img(dataDir + "/Fondos/" + n);
            QVERIFY2(!img.isNull(), qPrintable(n));
            QCOMPARE(img.size(), QSize(645, 491)); // the largest window: nothing cut
            QCOMPARE(QImage(dataDir + "/Fondos/" + QString(n).replace(".", "@2x.")).size(), 2 * img.size());
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
        QTest::newRow("formulario1y2.txt") << "/idioma/formulario1y2.txt" << 41;
        QTest::newRow("formulariodivision.txt") << "/idioma/formulariodivision.txt" << 26;
        QTest::newRow("formulariomulti.txt") << "/idioma/formulariomulti.txt" << 30;
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
        QTest::addColumn<QSize>("shown"); // what the button or window that carries it shows
        QTest::newRow("minus") << "minus.png" << QSize(34, 8) << QSize(47, 47);
        QTest::newRow("baby") << "baby.png" << QSize(45, 44) << QSize(47, 47);
        QTest::newRow("dinosaur") << "dino.png" << QSize(55, 45) << QSize(47, 47);
        QTest::newRow("runner") << "runner.png" << QSize(41, 50) << QSize(47, 47);
        QTest::newRow("clock") << "clock.png" << QSize(64, 64) << QSize(47, 47);
        QTest::newRow("clock crossed out") << "clock_off.png" << QSize(64, 64) << QSize(47, 47);
        QTest::newRow("arrow down") << "arrow_down.png" << QSize(40, 40) << QSize(40, 40);
        QTest::newRow("bird") << "bird.png" << QSize(68, 56) << QSize(79, 47);
        QTest::newRow("green arrow") << "arrow_left.png" << QSize(32, 32) << QSize(47, 47);
        QTest::newRow("presentation card") << "card.png" << QSize(457, 332) << QSize(457, 332);
        QTest::newRow("icon") << "icon.png" << QSize(32, 32) << QSize(32, 32);
    }
    void storedPictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QSize, shown);
        const QPixmap p(":/pictures/" + name);
        QVERIFY(!p.isNull());
        QCOMPARE(p.size(), size);
        // what is drawn lies whole within what its button shows
        const QImage img = p.toImage();
        QRect drawn;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) > 24)
                    drawn |= QRect(x, y, 1, 1);
        QVERIFY2(drawn.width() <= shown.width() && drawn.height() <= shown.height(),
                 qPrintable(QStringLiteral("%1×%2").arg(drawn.width()).arg(drawn.height())));
        // sharp on a screen at 2×: a picture twice the size, drawn at the size of the first
        QCOMPARE(QPixmap(":/pictures/" + QString(name).replace(".png", "@2x.png")).size(), 2 * size);
        const QPixmap sharp = loadPicture(":/pictures/" + name, 2.0);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.deviceIndependentSize().toSize(), size);
        QCOMPARE(loadPicture(":/pictures/" + name, 1.0).devicePixelRatio(), 1.0);
    }

    void minusReadsOnBothColours()
    {
        const QImage minus = QPixmap(":/pictures/minus.png").toImage();
        for (vb::Colour back : {vb::Green, vb::Blue}) {
            const QColor bg = vb::toQColor(back);
            double best = 1;
            for (int y = 0; y < minus.height(); ++y)
                for (int x = 0; x < minus.width(); ++x) {
                    const QColor c = QColor::fromRgba(minus.pixel(x, y));
                    if (c.alpha() > 200)
                        best = qMax(best, contrast(c, bg));
                }
            QVERIFY2(best >= 4.5, qPrintable(QString::number(best)));
        }
    }
};

QTEST_MAIN(TestData_)
#include "tst_data.moc"
