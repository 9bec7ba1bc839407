#include "StandardFlow.h"

#include "QuestionBank.h"
#include "QuestionDraw.h"
#include "QuizContext.h"

namespace StandardFlow {
namespace {

QString withSubject(const QuizContext &ctx, const QString &message)
{
    const QuizState &s = ctx.state;
    const QString &wording = ctx.bank.entries[s.entry].wording;
    QString text = message + QStringLiteral("\r\r");
    if (!wording.isEmpty())
        text += wording + QLatin1Char('\r');
    return text + ctx.bank.subject(s.entry);
}

} // namespace

void enter(QuizContext &ctx)
{
    ctx.showQuizType(QuizType::Standard);
    QuizState &s = ctx.state;
    s.correct = s.wrong = s.answered = s.score = 0;
    QuestionDraw::nextQuestion(ctx);
}

void rightAnswer(QuizContext &ctx)
{
    QuizState &s = ctx.state;
    if (!s.missCounted) {
        ++s.correct;
        ++s.answered;
    }
    QuestionDraw::nextQuestion(ctx);
}

void wrongAnswer(QuizContext &ctx, int k)
{
    QuizState &s = ctx.state;
    MainView &v = ctx.view;
    ctx.focusFirstAnswerIfEnabled();
    if (!s.missCounted) {
        ++s.wrong;
        ++s.answered;
        s.missCounted = true;
    }
    v.answers[k - 1].colour = MainView::ButtonColour::Wrong;
    v.answers[k - 1].enabled = false;
    ++s.wrongTries;

    if (s.wrongTries == 1) {
        v.nextVisible = true;
        v.showCorrectVisible = true;
        v.question =
            withSubject(ctx, QStringLiteral("Incorrect!!\rTry Once More Without Affecting Score?"));
    } else {
        v.question = withSubject(
            ctx,
            QStringLiteral(
                "Still Incorrect!!\rClick Show Answer To See Correct Answer or Next To Continue."));
        for (auto &button : v.answers)
            button.enabled = false;
    }
    v.questionColour = MainView::TextColour::DarkRed;
    v.focus = MainView::Control::ShowCorrect;
}

void revealAnswer(QuizContext &ctx)
{
    MainView &v = ctx.view;
    for (auto &button : v.answers)
        button.enabled = false;
    v.showCorrectEnabled = false;
    v.answers[ctx.state.answerButtons[0] - 1].colour = MainView::ButtonColour::Revealed;
}

void next(QuizContext &ctx)
{
    ctx.focusFirstAnswerIfEnabled();
    QuestionDraw::nextQuestion(ctx);
}

} // namespace StandardFlow
