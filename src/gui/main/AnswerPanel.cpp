#include "AnswerPanel.h"

#include "gui/widgets/AnswerButton.h"
#include "gui/widgets/Twips.h"

namespace {

const QColor WrongFill(255, 128, 128);
const QColor RevealedFill(128, 255, 128);

} // namespace

AnswerPanel::AnswerPanel(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("answerPanel"));
    setGeometry(Twips::rect(3960, 120, 4215, 5295));
    const std::array<int, 6> tops = {240, 1080, 1920, 2760, 3600, 4440};
    for (int i = 0; i < 6; ++i) {
        auto *b = new AnswerButton(i + 1, this);
        b->setGeometry(Twips::rect(120, tops[std::size_t(i)], 3975, 735));
        connect(b, &QPushButton::clicked, this, [this, k = i + 1] { emit answerChosen(k); });
        m_buttons[std::size_t(i)] = b;
    }
}

void AnswerPanel::render(const std::array<MainView::AnswerButton, 6> &answers)
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        AnswerButton *b = m_buttons[i];
        const MainView::AnswerButton &a = answers[i];
        b->setCaption(a.caption);
        b->setEnabled(a.enabled);
        b->setBackground(a.colour == MainView::ButtonColour::Wrong      ? WrongFill
                         : a.colour == MainView::ButtonColour::Revealed ? RevealedFill
                                                                        : QColor());
    }
}

void AnswerPanel::press(int k)
{
    AnswerButton *b = button(k);
    if (b->isEnabled() && b->isVisible())
        b->click();
}
