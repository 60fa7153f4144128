// The files that ship beside the program and the pictures stored in its windows.
#include "testkit.h"

#include "app/sound.h"
#include "ui/controls.h"

#include <QDir>
#include <QImageReader>
#include <QSoundEffect>
#include <QStringDecoder>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <numeric>

namespace {

const QString dataDir = QStringLiteral(CUENTAS_DATA_DIR);

QByteArray readAll(const QString &relative)
{
    QFile f(dataDir + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A clip's format and its samples, from its RIFF chunks.
struct Wave {
    int format = 0, channels = 0, bits = 0, rate = 1;
    QVector<double> samples; // -1 to 1
};

Wave parseWave(const QByteArray &b)
{
    Wave w;
    for (qsizetype at = 12; b.startsWith("RIFF") && at + 8 <= b.size();) {
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + at + 4);
        const char *body = b.constData() + at + 8;
        if (b.mid(at, 4) == "fmt ") {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = int(qFromLittleEndian<quint32>(body + 4));
            w.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (b.mid(at, 4) == "data") {
            for (quint32 i = 0; i + 1 < size; i += 2)
                w.samples << qFromLittleEndian<qint16>(body + i) / 32768.0;
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

// Loudness: the mean power of the 50 ms windows within 20 dB of the loudest one.
double loudness(const QVector<double> &v)
{
    QVector<double> powers;
    for (qsizetype i = 0; i < v.size(); i += 1102) {
        const QVector<double> w = v.mid(i, 1102);
        powers << std::inner_product(w.begin(), w.end(), w.begin(), 0.0) / w.size();
    }
    const double top = *std::max_element(powers.begin(), powers.end());
    powers.removeIf([top](double p) { return p < top / 100; });
    return 10 * std::log10(std::accumulate(powers.begin(), powers.end(), 0.0) / powers.size());
}

} // namespace

class TestData_ : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestData> data; // also prepares the application's fonts

private slots:
    void initTestCase() { data = std::make_unique<TestData>(); }
    void cleanupTestCase() { data.reset(); }

    void sounds()
    {
        // Nine short, distinct 16-bit mono PCM clips that the player takes and Qt
        // loads, audible and not clipped, all equally loud but for the wrong
        // answer's, 3 to 6 dB softer; the operation does not begin like the right answer.
        const QMap<QString, double> longest{{"pulsa.wav", 0.3}, {"pulsa-.wav", 0.3}, {"acierto.wav", 2}};
        QMap<QString, double> level;
        QSet<QVector<double>> distinct;
        QMap<QString, QVector<double>> all;
        for (const QString &name : QDir(dataDir + "/sonidos").entryList(QDir::Files)) {
            const Wave w = parseWave(readAll("/sonidos/" + name));
            QVERIFY2(w.format == 1 && w.channels == 1 && w.bits == 16, qPrintable(name));
            QVERIFY(Sound::plausibleClip(dataDir + "/sonidos/" + name));
            const double seconds = double(w.samples.size()) / w.rate;
            QVERIFY2(seconds > 0.03 && seconds <= longest.value(name, 1.0), qPrintable(name));
            double peak = 0;
            for (double s : w.samples)
                peak = qMax(peak, qAbs(s));
            QVERIFY2(peak > 0.25 && peak < 0.98, qPrintable(name));
            QSoundEffect effect;
            effect.setSource(QUrl::fromLocalFile(dataDir + "/sonidos/" + name));
            QTRY_VERIFY_WITH_TIMEOUT(effect.status() != QSoundEffect::Loading && effect.status() != QSoundEffect::Null, 5000);
            QCOMPARE(effect.status(), QSoundEffect::Ready);
            level[name] = loudness(w.samples);
            distinct << w.samples;
            all[name] = w.samples;
        }
        QCOMPARE(distinct.size(), 9);
        const double right = level.take("acierto.wav"), wrong = level.take("fallo.wav");
        for (auto it = level.begin(); it != level.end(); ++it)
            QVERIFY2(qAbs(it.value() - right) <= 1.5, qPrintable(it.key()));
        QVERIFY2(right - wrong >= 3 && right - wrong <= 6, qPrintable(QString::number(right - wrong)));
        auto crossings = [](const QVector<double> &v) { // over the first 40 ms
            int n = 0;
            for (int i = 1; i < 882; ++i)
                n += (v[i - 1] < 0) != (v[i] < 0);
            return n;
        };
        const int a = crossings(all["acierto.wav"]), o = crossings(all["operacion.wav"]);
        QVERIFY2(qAbs(a - o) > a / 20, qPrintable(QStringLiteral("%1 %2").arg(a).arg(o)));
    }

    void animations_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("loops"); // -1 for ever
        for (const char *n : {"1.gif", "2.gif", "3.gif"})
            QTest::newRow(n) << QString::fromLatin1(n) << QSize(81, 73) << -1;
        for (const char *n : {"si.gif", "no.gif"})
            QTest::newRow(n) << QString::fromLatin1(n) << QSize(65, 65) << 0;
        for (const char *n : {"acierto.gif", "fallo.gif"})
            QTest::newRow(n) << QString::fromLatin1(n) << QSize(113, 105) << 0;
        QTest::newRow("acierto2.gif") << "acierto2.gif" << QSize(97, 97) << 0;
    }
    void animations()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(int, loops);
        QImageReader reader(dataDir + "/gifs/" + name), sharp(dataDir + "/gifs/" + QString(name).replace(".gif", "@2x.gif"));
        QCOMPARE(reader.format(), QByteArray("gif"));
        QVERIFY(reader.imageCount() > 1);
        QCOMPARE(reader.size(), size);
        QCOMPARE(reader.loopCount(), loops);
        const QImage first = reader.read();
        QVERIFY(first.hasAlphaChannel() && qAlpha(first.pixel(0, 0)) == 0); // a transparent background
        // the same animation twice the size, for screens at 2×
        QCOMPARE(sharp.size(), 2 * size);
        QCOMPARE(sharp.imageCount(), reader.imageCount());
        QCOMPARE(sharp.loopCount(), loops);
    }

    void backgrounds()
    {
        QStringList names = QDir(dataDir + "/Fondos").entryList(QDir::Files, QDir::Name);
        names.removeIf([](const QString &n) { return n.contains("@2x."); });
        QVERIFY(names.size() >= 4);
        for (const QString &n : names) {
            const QImage img(dataDir + "/Fondos/" + n);
            QCOMPARE(img.size(), QSize(645, 491)); // the largest window: nothing cut
            QCOMPARE(QImage(dataDir + "/Fondos/" + QString(n).replace(".", "@2x.")).size(), 2 * img.size());
            // soft: no darker than a pale tint, so black digits stay readable
            qint64 sum = 0, count = 0;
            for (int y = 0; y < img.height(); y += 7)
                for (int x = 0; x < img.width(); x += 7, ++count)
                    sum += qGray(img.pixel(x, y));
            QVERIFY2(sum / count > 200, qPrintable(n));
        }
    }

    void languageFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<int>>("fit"); // lines that are captions: line, points, button width in twips (flattened)
        const QList<std::tuple<QString, int, QList<int>>> files{
            {"formulario1y2.txt", 43, {1, 1575, 2175, 2, 1200, 2175, 3, 1575, 2175, 4, 1425, 2175, 5, 1425, 2175, 6, 1425, 2175}},
            {"formulariodivision.txt", 26, {1, 1800, 2655, 2, 1800, 3735, 3, 1800, 2535, 4, 1200, 1215, 5, 1800, 3375, 6, 1800, 1335}},
            {"formulariomulti.txt", 30, {1, 1800, 2535, 2, 1800, 3615, 3, 1800, 2655}},
            {"presentacion.txt", 100, {1, 1800, 2175, 2, 1800, 4575, 3, 1400, 4575, 4, 1000, 2175}},
            {"Resultados.txt", 78, {2, 1000, 1230, 3, 1000, 1290, 14, 1000, 2535, 46, 1000, 2535}},
        };
        // Spanish in idioma/ (Windows-1252), the other languages in idioma/<code>/ (UTF-8), line for line.
        for (const QString folder : {"", "ca/", "eu/", "gl/"})
            for (const auto &[name, lines, fit] : files)
                QTest::newRow(qPrintable(folder + name)) << "/idioma/" + folder + name << lines << fit;
        QTest::newRow("paralistos.txt") << "/paralistos.txt" << 1 << QList<int>{};
    }
    void languageFiles()
    {
        // Windows-1252 (UTF-8 in a language's folder), CR LF, exactly its lines, none empty; each caption fits its button.
        QFETCH(QString, name);
        QFETCH(int, lines);
        QFETCH(QList<int>, fit);
        const QByteArray bytes = readAll(name);
        QVERIFY(bytes.endsWith("\r\n")); // and no bare line ends
        QCOMPARE(QList<qsizetype>({bytes.count("\r\n"), bytes.count('\n'), bytes.count('\r')}), QList<qsizetype>(3, lines));
        const bool translated = name.count('/') == 3;
        for (const char undefined : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
            QVERIFY(translated || !bytes.contains(undefined));
        QStringDecoder decode = translated ? QStringDecoder(QStringDecoder::Utf8) : QStringDecoder("windows-1252");
        const QStringList text = QString(decode(bytes)).split("\r\n").mid(0, lines);
        QVERIFY(!decode.hasError() && !bytes.startsWith("\xEF\xBB\xBF"));
        for (const QString &l : text)
            QVERIFY(!l.trimmed().isEmpty() && !l.contains(QChar::ReplacementCharacter));
        QVERIFY(text.first() != "SI"); // the covered variant is off as shipped
        for (int i = 0; i < fit.size(); i += 3) {
            QFont f(QStringLiteral("Arial"));
            f.setPointSizeF(fit[i + 1] / 100.0);
            f.setBold(true);
            QVERIFY2(QFontMetrics(f).horizontalAdvance(text[fit[i] - 1]) <= fit[i + 2] / 15 - 6, qPrintable(text[fit[i] - 1]));
        }
    }

    void storedPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("shown"); // what the button or window that carries it shows
        QTest::newRow("minus") << "minus.png" << QSize(47, 47);
        QTest::newRow("baby") << "baby.png" << QSize(47, 47);
        QTest::newRow("dinosaur") << "dino.png" << QSize(47, 47);
        QTest::newRow("runner") << "runner.png" << QSize(47, 47);
        QTest::newRow("clock") << "clock.png" << QSize(47, 47);
        QTest::newRow("clock crossed out") << "clock_off.png" << QSize(47, 47);
        QTest::newRow("arrow down") << "arrow_down.png" << QSize(40, 40);
        QTest::newRow("bring down") << "bring_down.png" << QSize(21, 21);
        QTest::newRow("bird") << "bird.png" << QSize(79, 47);
        QTest::newRow("green arrow") << "arrow_left.png" << QSize(47, 47);
        QTest::newRow("presentation card") << "card.png" << QSize(457, 332);
        QTest::newRow("icon") << "icon.png" << QSize(32, 32);
    }
    void storedPictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, shown);
        const QImage img = QImage(":/pictures/" + name).convertToFormat(QImage::Format_ARGB32);
        const QSize size = img.size();
        QVERIFY(!img.isNull());
        // what is drawn lies whole within what its button shows
        QRect drawn;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) > 24)
                    drawn |= QRect(x, y, 1, 1);
        QVERIFY(drawn.width() <= shown.width() && drawn.height() <= shown.height());
        // sharp on a screen at 2×: a picture twice the size, drawn at the size of the first
        QCOMPARE(QPixmap(":/pictures/" + QString(name).replace(".png", "@2x.png")).size(), 2 * size);
        const QPixmap sharp = loadPicture(":/pictures/" + name, 2.0);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.deviceIndependentSize().toSize(), size);
        QCOMPARE(loadPicture(":/pictures/" + name, 1.0).devicePixelRatio(), 1.0);
        // the minus sign and the bring-down arrow read on the colours under them
        const QMap<QString, QList<vb::Colour>> under{{"minus.png", {vb::Green, vb::Blue}}, {"bring_down.png", {0xFFC0C0}}};
        for (vb::Colour back : under.value(name)) {
            double best = 1;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qAlpha(img.pixel(x, y)) > 200)
                        best = qMax(best, contrast(img.pixel(x, y), vb::toQColor(back).rgb()));
            QVERIFY2(best >= 4.5, qPrintable(QString::number(best)));
        }
    }
};

QTEST_MAIN(TestData_)
#include "tst_data.moc"
