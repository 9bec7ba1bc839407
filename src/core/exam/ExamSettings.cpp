#include "ExamSettings.h"

#include "core/quiz/QuestionBank.h"
#include "core/scores/SettingsStore.h"

#include <QStringList>

#include <algorithm>

namespace {
const QString section = QStringLiteral("exam");

int readNumber(const SettingsStore &store, const char *key, int fallback, int low, int high)
{
    bool ok = false;
    const int n = store.read(section, QLatin1String(key)).toInt(&ok);
    return ok && n >= low && n <= high ? n : fallback;
}
} // namespace

ExamSettings ExamSettings::load(const SettingsStore &store)
{
    ExamSettings s;
    s.questions = readNumber(store, "questions", s.questions, 1, MaxQuestions);
    s.minutes = readNumber(store, "minutes", s.minutes, 0, MaxMinutes);
    s.passMark = readNumber(store, "passMark", s.passMark, 1, 100);
    // Numbers apart by spaces: a comma would make the settings file read a list.
    const Wordings wordings = standardWordings();
    for (const QString &part : store.read(section, QStringLiteral("excluded"))
                                   .split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (ok && n >= 0 && n < int(wordings.size()) &&
            std::find(s.excludedWordings.begin(), s.excludedWordings.end(), n) ==
                s.excludedWordings.end())
            s.excludedWordings.push_back(n);
    }
    std::sort(s.excludedWordings.begin(), s.excludedWordings.end());
    return s;
}

bool ExamSettings::save(SettingsStore &store) const
{
    store.write(section, QStringLiteral("questions"), QString::number(questions));
    store.write(section, QStringLiteral("minutes"), QString::number(minutes));
    store.write(section, QStringLiteral("passMark"), QString::number(passMark));
    QStringList excluded;
    for (int n : excludedWordings)
        excluded << QString::number(n);
    store.write(section, QStringLiteral("excluded"), excluded.join(QLatin1Char(' ')));
    return store.commit();
}

int ExamSettings::wordingNumber(const QString &wording)
{
    if (wording.isEmpty())
        return 0;
    const Wordings wordings = standardWordings();
    const auto it = std::find(wordings.begin() + 1, wordings.end(), wording);
    return it == wordings.end() ? 0 : int(it - wordings.begin());
}

bool ExamSettings::includes(const BankEntry &entry) const
{
    const int n = wordingNumber(entry.wording);
    return !entry.isSkip() &&
           std::find(excludedWordings.begin(), excludedWordings.end(), n) == excludedWordings.end();
}
