#include "Fakes.h"

int FakeBoxes::show(QWidget *, const QString &text, const QString &title, Buttons buttons,
                    Icon icon)
{
    shown.push_back({text, title, buttons, icon});
    if (whileOpen)
        whileOpen(shown.back());
    if (answers.empty())
        return buttons == YesNo ? YesPressed : OkPressed;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}
