#include "StandardFlow.h"

#include "QuestionBank.h"
#include "QuestionDraw.h"
#include "QuizContext.h"

namespace StandardFlow {
namespace {

QString withSubject(const QuizContext &ctx, const QString &message)
{
    const QuizState &s = ctx.state;
    const QString &wording = ctx.bank.Bank[s.CurEntry].Wording;
    QString text = message + QStringLiteral("\r\r");
    if (!wording.isEmpty())
        text += wording + QLatin1Char('\r');
    return text + ctx.bank.subject(s.CurEntry);
}

} // namespace

void rightAnswer(QuizContext &ctx)
{
    QuizState &s = ctx.state;
    if (s.MissCounted == 0) {
        ++s.NumCorrect;
        ++s.NumTotal;
    }
    QuestionDraw::NextQuestion(ctx);
}

void WrongAnswer(QuizContext &ctx, int k)
{
    QuizState &s = ctx.state;
    MainView &v = ctx.view;
    ctx.focusFirstAnswerIfEnabled();
    if (s.MissCounted == 0) {
        ++s.NumWrong;
        ++s.NumTotal;
        s.MissCounted = 1;
    }
    v.answers[k - 1].colour = MainView::ButtonColour::Wrong;
    v.answers[k - 1].enabled = false;
    ++s.WrongTries;

    if (s.WrongTries == 1) {
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

void btn_showcorrect_Click(QuizContext &ctx)
{
    MainView &v = ctx.view;
    for (auto &button : v.answers)
        button.enabled = false;
    v.showCorrectEnabled = false;
    v.answers[ctx.state.AnsPos[0] - 1].colour = MainView::ButtonColour::Revealed;
}

void btn_next_Click(QuizContext &ctx)
{
    ctx.focusFirstAnswerIfEnabled();
    QuestionDraw::NextQuestion(ctx);
}

} // namespace StandardFlow
