// The shared foundation: language files, the animated-picture control, sounds
// and the background step.
#include "testkit.h"

#include "app/module1.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "windows/common/commands.h"
#include "windows/forms.h"
#include "windows/column/form1.h"
#include "windows/division/form2.h"
#include "windows/multiplication/form3.h"
#include "windows/presentation/form4.h"

#include <QSet>
#include <cmath>

#include <QSignalSpy>
#include <QTest>

class TestFoundation : public FreshProgramTest
{
    Q_OBJECT

private slots:
    void languageFile_data()
    {
        QTest::addColumn<QString>("fileName"); // as written on disk
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << "prueba.txt" << QByteArray("uno\r\ndos\r\n") << 2 << true << QStringList{"uno", "dos"};
        QTest::newRow("LF only") << "prueba.txt" << QByteArray("uno\ndos\n") << 2 << true << QStringList{"uno", "dos"};
        QTest::newRow("no final line end") << "prueba.txt" << QByteArray("uno\r\ndos") << 2 << true
                                           << QStringList{"uno", "dos"};
        QTest::newRow("empty line") << "prueba.txt" << QByteArray("uno\r\n\r\ntres\r\n") << 3 << true
                                    << QStringList{"uno", "", "tres"};
        QTest::newRow("extra lines ignored") << "prueba.txt" << QByteArray("a\r\nb\r\nc\r\nd\r\n") << 2 << true
                                             << QStringList{"a", "b"};
        QTest::newRow("short file") << "prueba.txt" << QByteArray("a\r\n") << 3 << true << QStringList{"a"};
        QTest::newRow("empty file") << "prueba.txt" << QByteArray() << 3 << true << QStringList{};
        QTest::newRow("blanks kept") << "prueba.txt" << QByteArray("  dos blancos \r\n\tt\r\n") << 2 << true
                                     << QStringList{"  dos blancos ", "\tt"};
        QTest::newRow("accented capitals") << "prueba.txt" << QByteArray("\xC1\xC9\xCD\xD3\xDA\xD1\xDC \xBF\xA1 \x80 \x96\r\n")
                                           << 1 << true << QStringList{QStringLiteral("ÁÉÍÓÚÑÜ ¿¡ € –")};
        QTest::newRow("other case") << "Prueba.txt" << QByteArray("uno\r\n") << 1 << false << QStringList{};
        QTest::newRow("missing") << "" << QByteArray() << 1 << false << QStringList{};
    }
    void languageFile()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(bool, found);
        QFETCH(QStringList, lines);
        if (!fileName.isEmpty())
            data->write("/idioma/" + fileName, bytes);
        const auto read = Language::read("/idioma/", "prueba.txt", count);
        QCOMPARE(read.has_value(), found);
        if (found)
            QCOMPARE(*read, lines);
        // handed out by number, as far as the file has lines
        QStringList got{"-", "-", "-"};
        std::vector<Language::Line> table;
        for (int n = count; n >= 1; --n)
            table.push_back({n, Language::into(got[n - 1])});
        Language::load("/idioma/", "prueba.txt", table);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(got[i], i < lines.size() ? lines[i] : QStringLiteral("-"));
    }

    void animationShowsAFileFromItsFirstFrame()
    {
        QWidget host;
        auto *v = new Vorlando(&host);
        v->place(0, 0, 1215, 1095);
        host.show();
        v->setFile(data->path("/gifs/2.gif"));
        QVERIFY(v->hasAnimation());
        QVERIFY(v->frameCount() > 1);
        QVERIFY(v->isPlaying());
        v->setFile(QString());
        QVERIFY(!v->hasAnimation());
    }

    void brokenAnimationsShowNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a GIF") << QByteArray("this is not a picture");
        QTest::newRow("truncated GIF") << QByteArray("GIF89a\x10\x00\x10\x00\x80\x00\x00", 13);
    }
    void brokenAnimationsShowNothing()
    {
        QFETCH(QByteArray, bytes);
        if (!bytes.isEmpty())
            data->write("/gifs/roto.gif", bytes);
        QWidget host;
        auto *v = new Vorlando(&host);
        v->place(0, 0, 975, 975);
        host.show();
        v->setFile(data->path("/gifs/1.gif"));
        v->setFile(data->path("/gifs/roto.gif"));
        QVERIFY(!v->hasAnimation()); // the old one is gone too
        QVERIFY(!v->isPlaying());
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        host.repaint();
    }

    void hiddenAnimationWaitsAndShowsTheNewFile()
    {
        QWidget host;
        auto *v = new Vorlando(&host);
        v->place(0, 0, 1215, 1095);
        host.show();
        v->hide();
        v->setFile(data->path("/gifs/1.gif"));
        QVERIFY(!v->isPlaying());
        v->setFile(data->path("/gifs/3.gif"));
        v->show();
        QVERIFY(v->isPlaying());
        QVERIFY(v->file().endsWith("/gifs/3.gif"));
    }

    void finiteAnimationReportsItsEnd()
    {
        QWidget host;
        auto *v = new Vorlando(&host);
        v->place(0, 0, 975, 975);
        host.show();
        QSignalSpy ends(v, &Vorlando::GifEnd);
        v->setFile(data->path("/gifs/si.gif"));
        QVERIFY(ends.wait(5000));
        QCOMPARE(ends.count(), 1);
        // a looping runner never ends
        QSignalSpy runnerEnds(v, &Vorlando::GifEnd);
        v->setFile(data->path("/gifs/3.gif"));
        QVERIFY(!runnerEnds.wait(1500));
    }

    void soundRequestsAreRecordedAndMissingFilesAreHarmless()
    {
        data->remove("/sonidos/fallo.wav");
        data->write("/sonidos/num.wav", "RIFF not really a wave");
        Sound::play("/sonidos/pulsa.wav");
        Sound::play("/sonidos/fallo.wav");
        Sound::play("/sonidos/num.wav");
        Sound::play("/sonidos/pulsa.wav");
        QCOMPARE(Sound::requests(),
                 QStringList({"/sonidos/pulsa.wav", "/sonidos/fallo.wav", "/sonidos/num.wav", "/sonidos/pulsa.wav"}));
        QTest::qWait(200);
    }

    void captionsReadableOnEveryBackColour()
    {
        // Every back colour a button of a window has, and those the checks give them.
        QSet<vb::Colour> colours{vb::Blue, vb::Red, vb::White, vb::Green, 0xFFFF80, vb::ButtonFace};
        for (int n = 10; n <= 15; ++n)
            colours << vb::paletteColour(n);
        Module1::PlayerName = "Ana";
        for (QWidget *w : {static_cast<QWidget *>(forms().form1()), static_cast<QWidget *>(forms().form2()),
                           static_cast<QWidget *>(forms().form3()), static_cast<QWidget *>(forms().form4())})
            for (CommandButton *b : w->findChildren<CommandButton *>())
                colours << b->BackColor();
        QVERIFY2(colours.size() > 12, qPrintable(QString::number(colours.size())));
        auto lum = [](QRgb c) {
            auto ch = [](int v) { const double x = v / 255.0; return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4); };
            return 0.2126 * ch(qRed(c)) + 0.7152 * ch(qGreen(c)) + 0.0722 * ch(qBlue(c));
        };
        for (vb::Colour colour : colours)
            for (bool enabled : {true, false}) {
                CommandButton b;
                b.place(0, 0, 975, 1350);
                b.setFont(QFont("Arial", 40, QFont::Bold));
                b.setBackColor(colour);
                b.setCaption("8");
                b.setEnabled(enabled);
                const QImage img = b.grab().toImage();
                const double bg = lum(vb::toQColor(colour).rgb());
                double best = 1;
                for (int y = 10; y < img.height() - 10; ++y)
                    for (int x = 10; x < img.width() - 10; ++x) {
                        const double l = lum(img.pixel(x, y));
                        best = qMax(best, (qMax(l, bg) + 0.05) / (qMin(l, bg) + 0.05));
                    }
                QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1 %2: %3").arg(colour, 6, 16, QChar('0')).arg(enabled).arg(best)));
            }
    }

    void backgroundStepWithoutFolder()
    {
        data->remove("/Fondos");
        Form w(FormLayout{});
        FileList list;
        list.setPath(data->path("/Fondos/"));
        QCOMPARE(list.ListCount(), 0);
        Module1::BackgroundIndex = 1;
        BackgroundStep(w, list);
        QVERIFY(w.Picture().isNull());
        QCOMPARE(Module1::BackgroundIndex, 0);
    }

    void fileListIsSortedByName()
    {
        data->remove("/Fondos");
        for (const char *n : {"b.png", "C.png", "a.png", "10.png", "2.png", "a@2x.png", "z@2x.png"})
            data->write(QStringLiteral("/Fondos/") + n, "x");
        FileList list;
        list.setPath(data->path("/Fondos/"));
        QStringList names;
        for (int i = 0; i < list.ListCount(); ++i)
            names << list.List(i);
        // a@2x.png is a.png for screens at 2×; z@2x.png, alone, is a picture of its own
        QCOMPARE(names, QStringList({"10.png", "2.png", "C.png", "a.png", "b.png", "z@2x.png"}));
        QCOMPARE(list.List(6), QString());
    }
};

QTEST_MAIN(TestFoundation)
#include "tst_foundation.moc"
