#include "TimedStatus.h"

#include "ScreenReader.h"
#include "core/common/DisplayText.h"
#include "gui/widgets/DesignWidgets.h"
#include "gui/widgets/Twips.h"

#include <QLabel>

namespace {

QFont arialBold(qreal points)
{
    return DesignWidgets::font(QStringLiteral("Arial"), points, true);
}

QLabel *boldLabel(QWidget *parent, const char *name, const QString &text, const QRect &place,
                  qreal points, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    QLabel *label = DesignWidgets::label(parent, QLatin1String(name), text, place, align);
    label->setFont(arialBold(points));
    return label;
}

} // namespace

TimedStatus::TimedStatus(QWidget *parent) : QGroupBox(parent)
{
    using Twips::rect;
    setObjectName(QStringLiteral("timedStatus"));
    setGeometry(rect(120, 3600, 3735, 1815));
    hide();
    m_correctLabel = boldLabel(this, "timedCorrectLabel", QStringLiteral("Correct: 0"),
                               rect(120, 240, 1815, 255), 9.75);
    m_wrongLabel = boldLabel(this, "timedWrongLabel", QStringLiteral("Wrong: 0"),
                             rect(120, 480, 1815, 255), 9.75);
    m_remainingLabel = boldLabel(this, "remainingLabel", QStringLiteral("Questions Remaining: 0"),
                                 rect(120, 840, 1815, 495), 9.75);
    m_remainingLabel->setWordWrap(true);
    m_scoreLabel = boldLabel(this, "scoreLabel", QStringLiteral("SCORE: 0"),
                             rect(120, 1440, 1935, 315), 11.25);
    m_levelLabel =
        boldLabel(this, "levelLabel", QStringLiteral("Level: 1"), rect(2280, 240, 1335, 375), 12);
    boldLabel(this, "timeCaption", QStringLiteral("Time Remaining"), rect(1920, 720, 1575, 255),
              8.25, Qt::AlignHCenter | Qt::AlignTop);
    auto *timeFrame = new QGroupBox(this);
    timeFrame->setObjectName(QStringLiteral("timeFrame"));
    timeFrame->setGeometry(rect(2040, 960, 1335, 615));
    m_timeRemainingLabel = boldLabel(timeFrame, "timeRemainingLabel", QString(),
                                     QRect(QPoint(0, 0), timeFrame->size()), 18, Qt::AlignCenter);
}

void TimedStatus::render(const MainView::TimedStatus &status)
{
    setVisible(status.visible);
    m_correctLabel->setText(status.correct);
    m_wrongLabel->setText(status.wrong);
    m_remainingLabel->setText(DisplayText::lines(status.remaining));
    m_scoreLabel->setText(status.score);
    m_levelLabel->setText(status.level);
    m_timeRemainingLabel->setText(status.timeRemaining);
    DesignWidgets::setTextColour(m_timeRemainingLabel,
                                 status.timeColour == MainView::TextColour::Navy
                                     ? DesignWidgets::Navy
                                     : DesignWidgets::DarkRed);

    for (QLabel *l : {m_correctLabel, m_wrongLabel, m_remainingLabel, m_scoreLabel, m_levelLabel})
        ScreenReader::setName(l, DisplayText::spoken(l->text()));
    // The last seconds are announced once, when the display turns dark red.
    const bool turnedRed = status.timeColour == MainView::TextColour::DarkRed &&
                           m_spokenTimeColour != MainView::TextColour::DarkRed;
    m_spokenTimeColour = status.timeColour;
    const QString spokenTime = status.timeRemaining.isEmpty()
                                   ? QString()
                                   : QStringLiteral("Time remaining: ") + status.timeRemaining;
    if (ScreenReader::setName(m_timeRemainingLabel, spokenTime) && turnedRed) {
        ScreenReader::alert(m_timeRemainingLabel);
        emit alerted(m_timeRemainingLabel);
    }
}
