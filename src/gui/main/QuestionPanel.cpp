#include "QuestionPanel.h"

#include "ScreenReader.h"
#include "core/common/DisplayText.h"
#include "gui/widgets/DesignWidgets.h"
#include "gui/widgets/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(place);
    b->setAutoDefault(false);
    b->hide();
    return b;
}

QColor textColour(MainView::TextColour c)
{
    return c == MainView::TextColour::Navy ? DesignWidgets::Navy : DesignWidgets::DarkRed;
}

} // namespace

QuestionPanel::QuestionPanel(QWidget *parent) : QWidget(parent)
{
    using Twips::rect;
    setObjectName(QStringLiteral("questionPanel"));
    // The panel's corner is the window's, so its controls keep the places
    // they were designed at.
    setGeometry(rect(0, 0, 3960, 3600));

    QLabel *instructions = DesignWidgets::label(
        this, QStringLiteral("instructionsLabel"),
        QStringLiteral("The answer for the question below may be a sign/symptom, "
                       "term/definition, or treatment. Though there may be more than "
                       "one possible answer, choose the answer that fits BEST."),
        rect(120, 120, 3615, 855), Qt::AlignCenter);
    instructions->setWordWrap(true);

    m_questionLabel = DesignWidgets::label(this, QStringLiteral("questionLabel"), QString(),
                                           rect(120, 1080, 3735, 1815), Qt::AlignCenter);
    m_questionLabel->setWordWrap(true);
    m_questionLabel->setFrameShape(QFrame::Box);
    m_questionLabel->setFrameShadow(QFrame::Plain);
    m_questionLabel->setAutoFillBackground(true);
    QPalette p = m_questionLabel->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, DesignWidgets::Navy);
    m_questionLabel->setPalette(p);

    // While a review runs, its caption stands on the question frame's top
    // line, as a frame's title does.
    m_reviewCaption =
        DesignWidgets::label(this, QStringLiteral("reviewCaption"), QString(),
                             rect(240, 975, 3495, 210), Qt::AlignLeft | Qt::AlignVCenter);
    m_reviewCaption->setAutoFillBackground(true);
    m_reviewCaption->setPalette(p);
    m_reviewCaption->hide();

    m_showCorrectButton = ::button(this, "showCorrectButton", QStringLiteral("Show Correct Answer"),
                                   rect(120, 3120, 1815, 375));
    m_startStopButton =
        ::button(this, "startStopButton", QStringLiteral("Start"), rect(1080, 3120, 1815, 375));
    m_nextButton =
        ::button(this, "nextButton", QStringLiteral("Next > >"), rect(2640, 3120, 1215, 375));
    connect(m_showCorrectButton, &QPushButton::clicked, this, &QuestionPanel::revealRequested);
    connect(m_startStopButton, &QPushButton::clicked, this, &QuestionPanel::startOrStopRequested);
    connect(m_nextButton, &QPushButton::clicked, this, &QuestionPanel::nextRequested);
}

void QuestionPanel::render(const MainView &view)
{
    m_questionLabel->setText(DisplayText::lines(view.question));
    DesignWidgets::setTextColour(m_questionLabel, textColour(view.questionColour));
    m_reviewCaption->setText(view.reviewStatus);
    m_reviewCaption->adjustSize();
    m_reviewCaption->setVisible(!view.reviewStatus.isEmpty());
    m_nextButton->setVisible(view.nextVisible);
    m_showCorrectButton->setVisible(view.showCorrectVisible);
    m_showCorrectButton->setEnabled(view.showCorrectEnabled);
    m_startStopButton->setVisible(view.startStopVisible);
    m_startStopButton->setText(view.startStopCaption);

    if (ScreenReader::setName(m_questionLabel, DisplayText::spoken(view.question)) &&
        view.questionColour == MainView::TextColour::DarkRed) {
        ScreenReader::alert(m_questionLabel);
        emit alerted(m_questionLabel);
    }
}
