#include "ExamResult.h"

int ExamResult::percent() const
{
    return total == 0 ? 0 : int(right * 100LL / total);
}

bool ExamResult::passed() const
{
    return total > 0 && right * 100LL >= qint64(passMark) * total;
}

std::vector<QByteArray> ExamResult::missedKeys() const
{
    std::vector<QByteArray> keys;
    for (const Answer &a : review)
        if (!a.correct)
            keys.push_back(a.key);
    return keys;
}

QString ExamResult::scoreText() const
{
    return QStringLiteral("Result: %1 of %2 right (%3 %)").arg(right).arg(total).arg(percent());
}

QString ExamResult::passText() const
{
    return passed() ? QStringLiteral("Passed")
                    : QStringLiteral("Not passed (pass mark %1 %)").arg(passMark);
}

QString ExamResult::takenText() const
{
    return QStringLiteral("Time taken: ") + clockText(takenMs) +
           (timedOut ? QStringLiteral(" (time ran out)") : QString());
}

QString ExamResult::clockText(qint64 ms)
{
    const qint64 seconds = std::max<qint64>(ms, 0) / 1000;
    const QString minSec =
        QStringLiteral("%1:%2")
            .arg(seconds / 60 % 60, seconds >= 3600 ? 2 : 1, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return seconds >= 3600 ? QStringLiteral("%1:").arg(seconds / 3600) + minSec : minSec;
}
