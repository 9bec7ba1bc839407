#include "StandardCounters.h"

#include "ScreenReader.h"
#include "gui/widgets/DesignWidgets.h"
#include "gui/widgets/Twips.h"

#include <QLabel>

#include <array>

StandardCounters::StandardCounters(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("standardCounters"));
    setGeometry(Twips::rect(120, 3600, 3735, 1815));
    const QFont counterFont = DesignWidgets::font(QStringLiteral("Arial"), 12, true);
    struct Row {
        const char *captionName;
        QString caption;
        const char *countName;
        QLabel **count;
    };
    const std::array<Row, 3> rows = {
        Row{"correctCaption", QStringLiteral("Correct:"), "correctCount", &m_correctCount},
        Row{"wrongCaption", QStringLiteral("Wrong:"), "wrongCount", &m_wrongCount},
        Row{"totalCaption", QStringLiteral("Total Questions:"), "totalCount", &m_totalCount}};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const int top = 360 + int(row) * 480;
        QLabel *caption = DesignWidgets::label(this, QLatin1String(rows[row].captionName),
                                               rows[row].caption, Twips::rect(240, top, 2055, 375),
                                               Qt::AlignRight | Qt::AlignVCenter);
        caption->setFont(counterFont);
        QLabel *count = DesignWidgets::label(this, QLatin1String(rows[row].countName),
                                             QStringLiteral("0"), Twips::rect(2400, top, 1215, 375),
                                             Qt::AlignLeft | Qt::AlignVCenter);
        count->setFont(counterFont);
        *rows[row].count = count;
    }
}

void StandardCounters::render(const MainView::StandardCounters &counters)
{
    setVisible(counters.visible);
    m_correctCount->setText(counters.correct);
    m_wrongCount->setText(counters.wrong);
    m_totalCount->setText(counters.total);
    ScreenReader::setName(m_correctCount, QStringLiteral("Correct: ") + counters.correct);
    ScreenReader::setName(m_wrongCount, QStringLiteral("Wrong: ") + counters.wrong);
    ScreenReader::setName(m_totalCount, QStringLiteral("Total Questions: ") + counters.total);
}
