#include "HighScoresDialog.h"

#include "core/scores/SettingsStore.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/widgets/DesignWidgets.h"
#include "gui/widgets/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

using Twips::px;
constexpr auto twips = Twips::rect;

QFont namedFont(const char *family, qreal points, bool bold)
{
    return DesignWidgets::font(QLatin1String(family), points, bold);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, QRect place,
              Qt::Alignment align, const QFont &f)
{
    QLabel *l = DesignWidgets::label(parent, name, text, place, align | Qt::AlignVCenter);
    l->setFont(f);
    return l;
}

} // namespace

HighScoresDialog::HighScoresDialog(std::optional<int> newScore, SettingsStore &store,
                                   MessageBoxes &boxes, QWidget *owner, NameAsker askName)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_store(store),
      m_boxes(boxes)
{
    setObjectName(QStringLiteral("HighScoresDialog"));
    setWindowTitle(QStringLiteral("High Scores"));
    setFixedSize(px(5670), px(4485));
    setModal(true);

    label(this, QStringLiteral("headingLabel"),
          QStringLiteral("These are the high scores from the timed quiz"), twips(120, 0, 5415, 255),
          Qt::AlignHCenter, namedFont("MS Sans Serif", 8.25, true));
    for (int k = 1; k <= HighScoreTable::Places; ++k) {
        const int top = 240 + 360 * (k - 1);
        label(this, QStringLiteral("place%1").arg(k), QString::number(k), twips(120, top, 375, 255),
              Qt::AlignRight, namedFont("Verdana", 11.25, true));
        m_scoreLabels[std::size_t(k - 1)] =
            label(this, QStringLiteral("score%1").arg(k), QString(), twips(600, top, 1400, 255),
                  Qt::AlignRight, namedFont("Verdana", 11.25, false));
        m_nameLabels[std::size_t(k - 1)] =
            label(this, QStringLiteral("name%1").arg(k), QString(), twips(2160, top, 3375, 255),
                  Qt::AlignLeft, namedFont("Verdana", 11.25, false));
    }

    auto *clear = new QPushButton(QStringLiteral("Clear Scores"), this);
    clear->setObjectName(QStringLiteral("clearButton"));
    clear->setGeometry(twips(240, 3960, 1095, 375));
    clear->setAutoDefault(false);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(twips(1680, 3960, 3855, 375));
    ok->setDefault(true);
    connect(clear, &QPushButton::clicked, this, &HighScoresDialog::clearScores);
    connect(ok, &QPushButton::clicked, this, &HighScoresDialog::storeAndClose);

    setTabOrder(ok, clear);
    ok->setFocus();

    m_table.load(m_store);
    if (newScore)
        m_table.offerScore(*newScore, [&] { return askName(this); });
    render();
    DesignWidgets::fitTexts(this);
}

void HighScoresDialog::render()
{
    for (int k = 1; k <= HighScoreTable::Places; ++k) {
        m_scoreLabels[std::size_t(k - 1)]->setText(
            HighScoreTable::scoreText(m_table.place(k).score));
        m_nameLabels[std::size_t(k - 1)]->setText(m_table.place(k).name);
    }
}

void HighScoresDialog::clearScores()
{
    m_table.clear();
    render();
}

void HighScoresDialog::storeAndClose()
{
    if (m_table.save(m_store)) {
        accept();
        return;
    }
    // The table stays on screen, so that the user can try again.
    m_saveFailed = true;
    m_boxes.show(this,
                 QStringLiteral("The high scores could not be saved.\r"
                                "The settings file could not be written:\r") +
                     m_store.location(),
                 QStringLiteral("High Scores"), MessageBoxes::Buttons::Ok,
                 MessageBoxes::Icon::Information);
}

void HighScoresDialog::reject()
{
    if (m_saveFailed)
        QDialog::reject();
    else
        storeAndClose();
}
