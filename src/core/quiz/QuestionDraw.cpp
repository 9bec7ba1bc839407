#include "QuestionDraw.h"

#include "QuestionBank.h"
#include "QuizContext.h"
#include "RandomSource.h"
#include "core/common/NumberText.h"

namespace QuestionDraw {
void refreshCounters(QuizContext &ctx)
{
    const QuizState &s = ctx.state;
    MainView &v = ctx.view;
    if (s.QuizType == QuizState::Standard) {
        v.lblCorrect = PlainText(s.NumCorrect);
        v.lblWrong = PlainText(s.NumWrong);
        v.lblTotal = PlainText(s.NumTotal);
    } else if (s.QuizType == QuizState::Timed) {
        v.lblCorrectT = QStringLiteral("Correct: ") + SignedText(s.NumCorrect);
        v.lblWrongT = QStringLiteral("Wrong: ") + SignedText(s.NumWrong);
        v.lblTotalT = QStringLiteral("Questions\rRemaining: ") + SignedText(s.NumTotal);
        v.lblScore = QStringLiteral("SCORE: ") + SignedText(s.NumScore);
        v.lblLevel = QStringLiteral("Level: ") + SignedText(s.NumLevel);
    }
}

int drawEntry(const QuestionBank &bank, RandomSource &random, int lastEntry)
{
    int entry = 0;
    do {
        random.reseedFromClock();
        entry = int(random.next() * bank.ACount + 1);
    } while (entry == lastEntry || bank.Bank[entry].isSkip());
    return entry;
}

std::array<std::int8_t, 6> drawPositions(RandomSource &random)
{
    std::array<std::int8_t, 6> pos{};
    for (int k = 0; k < 6; ++k) {
        bool taken = true;
        while (taken) {
            pos[k] = std::int8_t(random.next() * 6 + 1);
            taken = false;
            for (int i = 0; i < k; ++i)
                taken = taken || pos[i] == pos[k];
        }
    }
    return pos;
}

void NextQuestion(QuizContext &ctx)
{
    refreshCounters(ctx);
    QuizState &s = ctx.state;
    const bool asking = s.QuizType == QuizState::Standard ||
                        (s.QuizType == QuizState::Timed && s.TimedRunning == 1);
    if (!asking)
        return;

    MainView &v = ctx.view;
    for (auto &button : v.answers) {
        button.colour = MainView::ButtonColour::Face;
        button.enabled = true;
    }
    v.nextVisible = false;
    v.showCorrectVisible = false;
    v.showCorrectEnabled = true;
    v.questionColour = MainView::TextColour::Navy;
    s.MissCounted = 0;
    s.WrongTries = 0;

    s.CurEntry = std::int16_t(ctx.picker ? ctx.picker->pickEntry(s.LastEntry)
                                         : drawEntry(ctx.bank, ctx.random, s.LastEntry));
    ++ctx.questionsShown;
    s.LastEntry = s.CurEntry;
    s.AnsPos = drawPositions(ctx.random);

    const BankEntry &entry = ctx.bank.Bank[s.CurEntry];
    for (int k = 0; k < 6; ++k)
        v.answers[s.AnsPos[k] - 1].caption = ctx.bank.answer(s.CurEntry, k);

    const QString &subject = ctx.bank.subject(s.CurEntry);
    v.question = entry.Wording.isEmpty() ? QStringLiteral("\r") + subject
                                         : entry.Wording + QStringLiteral("\r\r") + subject;
}

} // namespace QuestionDraw
