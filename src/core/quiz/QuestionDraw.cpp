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
    if (s.type == QuizType::Standard) {
        v.standard.correct = plainText(s.correct);
        v.standard.wrong = plainText(s.wrong);
        v.standard.total = plainText(s.answered);
    } else {
        v.timed.correct = QStringLiteral("Correct: ") + signedText(s.correct);
        v.timed.wrong = QStringLiteral("Wrong: ") + signedText(s.wrong);
        v.timed.remaining = QStringLiteral("Questions\rRemaining: ") + signedText(s.remaining);
        v.timed.score = QStringLiteral("SCORE: ") + signedText(s.score);
        v.timed.level = QStringLiteral("Level: ") + signedText(s.level);
    }
}

int drawEntry(const QuestionBank &bank, RandomSource &random, int lastEntry)
{
    int entry = 0;
    do {
        random.reseedFromClock();
        entry = int(random.next() * bank.textCount + 1);
    } while (entry == lastEntry || bank.entries[entry].isSkip());
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

void nextQuestion(QuizContext &ctx)
{
    refreshCounters(ctx);
    QuizState &s = ctx.state;
    const bool asking = s.type == QuizType::Standard || s.gameRunning;
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
    s.missCounted = false;
    s.wrongTries = 0;

    s.entry = std::int16_t(ctx.picker ? ctx.picker->pickEntry(s.lastEntry)
                                      : drawEntry(ctx.bank, ctx.random, s.lastEntry));
    ++ctx.questionsShown;
    s.lastEntry = s.entry;
    s.answerButtons = drawPositions(ctx.random);

    const BankEntry &entry = ctx.bank.entries[s.entry];
    for (int k = 0; k < 6; ++k)
        v.answers[s.answerButtons[k] - 1].caption = ctx.bank.answer(s.entry, k);

    const QString &subject = ctx.bank.subject(s.entry);
    v.question = entry.wording.isEmpty() ? QStringLiteral("\r") + subject
                                         : entry.wording + QStringLiteral("\r\r") + subject;
}

} // namespace QuestionDraw
