#include "storage/teacherpin.h"

#include <QElapsedTimer>
#include <QPasswordDigestor>
#include <QRandomGenerator>

namespace {

// The setting: "pbkdf2-sha256$iterations$salt$key", salt and key in base 64.
const QString Setting = QStringLiteral("pin");
const QString Method = QStringLiteral("pbkdf2-sha256");
// Some 50 ms of work for every try on a school's computer.
constexpr int Iterations = 50000;

qint64 monotonicMs()
{
    static QElapsedTimer since;
    if (!since.isValid())
        since.start();
    return since.elapsed();
}

} // namespace

TeacherPin::TeacherPin(Storage &history, Clock clock) : history_(history), clock_(clock ? std::move(clock) : Clock(monotonicMs)) {}

bool TeacherPin::isSet() const { return history_.setting(Setting).has_value(); }

bool TeacherPin::valid(const QString &pin)
{
    if (pin.size() < 4 || pin.size() > 8)
        return false;
    return std::all_of(pin.begin(), pin.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QByteArray TeacherPin::keyOf(const QString &pin, const QByteArray &salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, pin.toUtf8(), salt, iterations, 32);
}

bool TeacherPin::set(const QString &pin)
{
    if (!valid(pin))
        return false;
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    const QString kept = QStringList{Method, QString::number(Iterations), QString::fromLatin1(salt.toBase64()),
                                     QString::fromLatin1(keyOf(pin, salt, Iterations).toBase64())}
                             .join(QLatin1Char('$'));
    return history_.setSetting(Setting, kept);
}

int TeacherPin::secondsToWait() const
{
    const qint64 left = waitUntil_ - clock_();
    return left > 0 ? int((left + 999) / 1000) : 0;
}

TeacherPin::Answer TeacherPin::check(const QString &pin)
{
    if (secondsToWait() > 0)
        return Answer::Waiting;
    const QStringList kept = history_.setting(Setting).value_or(QString()).split(QLatin1Char('$'));
    bool right = false;
    if (kept.size() == 4 && kept[0] == Method && valid(pin)) {
        const int iterations = kept[1].toInt();
        const QByteArray salt = QByteArray::fromBase64(kept[2].toLatin1()), key = QByteArray::fromBase64(kept[3].toLatin1());
        const QByteArray tried = keyOf(pin, salt, iterations);
        // Compared whole, however early they differ.
        unsigned char differ = tried.size() != key.size() || iterations < 1;
        for (qsizetype i = 0; i < key.size() && i < tried.size(); ++i)
            differ |= static_cast<unsigned char>(tried[i] ^ key[i]);
        right = differ == 0;
    }
    if (right) {
        wrong_ = 0;
        return Answer::Right;
    }
    if (++wrong_ >= Tries) {
        wrong_ = 0;
        waitUntil_ = clock_() + WaitSeconds * 1000;
    }
    return Answer::Wrong;
}
