// What the main window shows: the session's view applied to the controls,
// the names a screen reader reads, and the keyboard focus.
#include "Main.h"
#include "core/common/DisplayText.h"
#include "gui/widgets/AnswerButton.h"
#include "gui/widgets/DesignWidgets.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

using DesignWidgets::setTextColour;

const QColor kWrong(255, 128, 128);
const QColor kRevealed(128, 255, 128);

QColor textColour(MainView::TextColour c)
{
    return c == MainView::TextColour::Navy ? DesignWidgets::Navy : DesignWidgets::DarkRed;
}

} // namespace

void Main::speak(QWidget *control, const QString &name, bool alert)
{
    // Qt tells the screen reader of the new name itself.
    if (control->accessibleName() == name)
        return;
    control->setAccessibleName(name);
    if (alert) {
        QAccessibleEvent event(control, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
        emit alerted(control);
    }
}

void Main::render()
{
    const MainView &v = m_session->view();
    for (int i = 0; i < 6; ++i) {
        AnswerButton *b = Btn_Answer[i];
        const MainView::AnswerButton &a = v.answers[i];
        b->setCaption(a.caption);
        b->setEnabled(a.enabled);
        b->setBackground(a.colour == MainView::ButtonColour::Wrong ? kWrong
                         : a.colour == MainView::ButtonColour::Revealed
                             ? kRevealed
                             : palette().color(QPalette::Button));
    }
    Lbl_Question->setText(DisplayText::lines(v.question));
    setTextColour(Lbl_Question, textColour(v.questionColour));

    btn_next->setVisible(v.nextVisible);
    btn_showcorrect->setVisible(v.showCorrectVisible);
    btn_showcorrect->setEnabled(v.showCorrectEnabled);

    Frame_Standard->setVisible(v.standardFrameVisible);
    Lbl_Correct->setText(v.lblCorrect);
    Lbl_Wrong->setText(v.lblWrong);
    Lbl_Total->setText(v.lblTotal);

    Frame_Timed->setVisible(v.timedFrameVisible);
    Lbl_CorrectT->setText(v.lblCorrectT);
    Lbl_WrongT->setText(v.lblWrongT);
    Lbl_TotalT->setText(DisplayText::lines(v.lblTotalT));
    Lbl_Score->setText(v.lblScore);
    Lbl_Level->setText(v.lblLevel);
    Lbl_TimeRemain->setText(v.timeRemain);
    setTextColour(Lbl_TimeRemain, textColour(v.timeColour));

    speak(Lbl_Question, DisplayText::spoken(v.question),
          v.questionColour == MainView::TextColour::DarkRed);
    speak(Lbl_Correct, QStringLiteral("Correct: ") + v.lblCorrect);
    speak(Lbl_Wrong, QStringLiteral("Wrong: ") + v.lblWrong);
    speak(Lbl_Total, QStringLiteral("Total Questions: ") + v.lblTotal);
    for (QLabel *l : {Lbl_CorrectT, Lbl_WrongT, Lbl_TotalT, Lbl_Score, Lbl_Level})
        speak(l, DisplayText::spoken(l->text()));
    // The last seconds are announced once, when the display turns dark red.
    const bool turnedRed = v.timeColour == MainView::TextColour::DarkRed &&
                           m_spokenTimeColour != MainView::TextColour::DarkRed;
    m_spokenTimeColour = v.timeColour;
    speak(Lbl_TimeRemain,
          v.timeRemain.isEmpty() ? QString() : QStringLiteral("Time remaining: ") + v.timeRemain,
          turnedRed);

    Btn_StartStop->setVisible(v.startStopVisible);
    Btn_StartStop->setText(v.startStopCaption);

    Menu_Standard->setChecked(v.menuStandardChecked);
    Menu_Timed->setChecked(v.menuTimedChecked);
    if (Menu_Review)
        Menu_Review->setChecked(v.menuReviewChecked);

    applyFocus();
}

void Main::applyFocus()
{
    const auto &focus = m_session->view().focus;
    if (!focus)
        return;
    QWidget *target = nullptr;
    switch (*focus) {
    case MainView::Control::Answer1:
        target = Btn_Answer[0];
        break;
    case MainView::Control::ShowCorrect:
        target = btn_showcorrect;
        break;
    case MainView::Control::Next:
        target = btn_next;
        break;
    case MainView::Control::StartStop:
        target = Btn_StartStop;
        break;
    }
    if (target->isEnabled() && target->isVisibleTo(this))
        target->setFocus(Qt::OtherFocusReason);
}
