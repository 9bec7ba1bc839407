#include "QuestionBank.h"

const QString &BankEntry::skipWording()
{
    static const QString skip = QStringLiteral("Skip");
    return skip;
}

std::array<QString, 6> QuestionBank::answers(int entry) const
{
    std::array<QString, 6> out;
    for (int k = 0; k < 6; ++k)
        out[std::size_t(k)] = answer(entry, k);
    return out;
}

int QuestionBank::askableCount() const
{
    int n = 0;
    for (int j = 1; j <= textCount; ++j)
        n += entries[j].isSkip() ? 0 : 1;
    return n;
}

Wordings standardWordings()
{
    return {QString(),
            QStringLiteral("What's The Key Sign/Symptom(s) of:"),
            QStringLiteral("What Are Examples of:"),
            QStringLiteral("What's The Definition of:"),
            QStringLiteral("What Term means:"),
            QStringLiteral("What's A Treatment for:"),
            QStringLiteral("What Is This A Treatment for:"),
            QStringLiteral("What Is The Purpose of:"),
            QStringLiteral("What's The Main Cause of:"),
            BankEntry::skipWording(),
            QStringLiteral("What Is Used for:")};
}
