#include "frmHighScore.h"

#include "core/scores/SettingsStore.h"
#include "frmHSName.h"
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

frmHighScore::frmHighScore(const std::int16_t &checkscore, const std::int32_t &NumScore,
                           SettingsStore &store, MessageBoxes &boxes, QWidget *owner,
                           NameAsker askName)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_checkscore(checkscore), m_numScore(NumScore), m_store(store), m_boxes(boxes),
      m_askName(std::move(askName))
{
    setObjectName(QStringLiteral("frmHighScore"));
    setWindowTitle(QStringLiteral("High Scores"));
    setFixedSize(px(5670), px(4485));
    setModal(true);

    label(this, QStringLiteral("Label11"),
          QStringLiteral("These are the high scores from the timed quiz"), twips(120, 0, 5415, 255),
          Qt::AlignHCenter, namedFont("MS Sans Serif", 8.25, true));
    for (int k = 1; k <= HighScoreTable::Places; ++k) {
        const int top = 240 + 360 * (k - 1);
        label(this, QStringLiteral("Label%1").arg(k), QString::number(k), twips(120, top, 375, 255),
              Qt::AlignRight, namedFont("Verdana", 11.25, true));
        HS[std::size_t(k - 1)] =
            label(this, QStringLiteral("HS%1").arg(k), QString(), twips(600, top, 1400, 255),
                  Qt::AlignRight, namedFont("Verdana", 11.25, false));
        HSN[std::size_t(k - 1)] =
            label(this, QStringLiteral("HSN%1").arg(k), QString(), twips(2160, top, 3375, 255),
                  Qt::AlignLeft, namedFont("Verdana", 11.25, false));
    }

    btnClearScores = new QPushButton(QStringLiteral("Clear Scores"), this);
    btnClearScores->setObjectName(QStringLiteral("btnClearScores"));
    btnClearScores->setGeometry(twips(240, 3960, 1095, 375));
    btnClearScores->setAutoDefault(false);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(twips(1680, 3960, 3855, 375));
    btnOK->setDefault(true);
    connect(btnClearScores, &QPushButton::clicked, this, &frmHighScore::btnClearScores_Click);
    connect(btnOK, &QPushButton::clicked, this, &frmHighScore::btnOK_Click);

    setTabOrder(btnOK, btnClearScores);
    btnOK->setFocus();
}

QString frmHighScore::askWithNameWindow(QWidget *owner)
{
    frmHSName window(owner);
    window.exec();
    return window.HSNamenew;
}

void frmHighScore::Form_Load()
{
    m_table.Load(m_store);
    m_table.OfferScore(m_checkscore, m_numScore, [this] { return m_askName(this); });
    render();
}

void frmHighScore::render()
{
    for (int k = 1; k <= HighScoreTable::Places; ++k) {
        HS[std::size_t(k - 1)]->setText(HighScoreTable::scoreText(m_table.place(k).score));
        HSN[std::size_t(k - 1)]->setText(m_table.place(k).name);
    }
}

void frmHighScore::btnClearScores_Click()
{
    m_table.Clear();
    render();
}

void frmHighScore::btnOK_Click()
{
    if (m_table.Save(m_store)) {
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

void frmHighScore::reject()
{
    if (m_saveFailed)
        QDialog::reject();
    else
        btnOK_Click();
}
