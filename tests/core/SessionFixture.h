#pragma once

#include "core/quiz/BankLoader.h"
#include "core/session/QuizSession.h"
#include "support/CoreFakes.h"

#include <gtest/gtest.h>

// A bank from lines: texts "T1".."Tn" and the given entry lines.
inline QuestionBank bankOf(int texts, const QStringList &entries)
{
    QStringList a;
    for (int i = 1; i <= texts; ++i)
        a << QStringLiteral("T%1").arg(i);
    return BankLoader::buildBank(a, entries, standardWordings());
}

// The quiz rules on the session alone, as the main window drives them: a
// seeded draw, and the window's side effects recorded. The bank has ten
// questions of one wording unless a test gives its own.
class SessionTest : public ::testing::Test {
  protected:
    SessionTest()
    {
        QStringList entries;
        for (int i = 1; i <= 10; ++i)
            entries << QStringLiteral("4|%1|%2|%2|%2|%2|%2|").arg(i).arg(i % 10 + 1);
        useBank(10, entries);
    }
    void useBank(int texts, const QStringList &entries)
    {
        bank = bankOf(texts, entries);
        session.start();
        session.drawQuestion();
    }

    void start()
    {
        session.chooseQuizType(QuizType::Timed);
        session.startOrStopGame();
    }
    // An answer on the right or a wrong button; gives the points it earned.
    int answer(int k)
    {
        const int before = s().score;
        session.answer(s().answerButtons[k]);
        return s().score - before;
    }
    int right() { return answer(0); }
    int wrong() { return answer(1); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            session.countdownTicked();
    }
    const QuizState &s() { return session.state(); }
    const MainView &v() { return session.view(); }
    QStringList labels()
    {
        return {v().timed.correct, v().timed.wrong,         v().timed.remaining, v().timed.score,
                v().timed.level,   v().timed.timeRemaining, v().startStopCaption};
    }

    QuestionBank bank;
    SeededRandom random{7};
    FakeEffects effects;
    QuizSession session{bank, random, effects};
};
