#include "AboutDialog.h"

#include "AboutTexts.h"
#include "core/common/AppInfo.h"
#include "core/common/DisplayText.h"
#include "core/sysinfo/SystemInfoLookup.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/widgets/AppIcon.h"
#include "gui/widgets/DesignWidgets.h"
#include "gui/widgets/Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr auto twips = Twips::rect;

using DesignWidgets::setTextColour;

QFont arial(qreal points, bool bold = false, bool italic = false)
{
    return DesignWidgets::font(QStringLiteral("Arial"), points, bold, italic);
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    return DesignWidgets::label(parent, QLatin1String(name), text, place,
                                Qt::AlignLeft | Qt::AlignTop, true);
}

} // namespace

AboutDialog::AboutDialog(SystemInfoLookup &lookup, ProgramStarter &starter, MessageBoxes &boxes,
                         QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_lookup(lookup),
      m_starter(starter), m_boxes(boxes)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setModal(true);
    setWindowIcon(AppIcon::icon());
    setWindowTitle(QStringLiteral("About ") + AppInfo::title());
    buildWidgets();
    // What a screen reader says of the window when it opens.
    setAccessibleDescription(DisplayText::spoken(AboutTexts::description()));
    m_okButton->setFocus();
}

void AboutDialog::buildWidgets()
{
    // The design's small system font; the places below were drawn for it.
    setFont(arial(8.25));
    setFixedSize(Twips::px(6915), Twips::px(5685));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    icon->setGeometry(twips(240, 240, 540, 540));
    icon->setPixmap(AppIcon::icon().pixmap(Twips::px(540), Twips::px(540)));
    icon->setAccessibleName(QStringLiteral("Program icon"));

    QLabel *title = label(this, "titleLabel", AppInfo::title(), twips(1050, 240, 5625, 360));
    title->setFont(arial(12, true));
    QLabel *version =
        label(this, "versionLabel", QStringLiteral("Version ") + AppInfo::versionText(),
              twips(1050, 600, 5625, 240));
    version->setFont(arial(8.25, true));

    label(this, "descriptionLabel", DisplayText::lines(AboutTexts::description()),
          twips(240, 960, 4095, 3480));
    QLabel *note = label(this, "noteLabel", AboutTexts::note(), twips(240, 4440, 4095, 540));
    setTextColour(note, DesignWidgets::DarkRed);

    auto *credits = new QGroupBox(QStringLiteral("Credits"), this);
    credits->setObjectName(QStringLiteral("creditsBox"));
    credits->setGeometry(twips(4455, 885, 2220, 4095));
    QLabel *createdBy =
        label(credits, "createdByLabel", QStringLiteral("Created By:"), twips(120, 240, 1980, 225));
    label(credits, "authorLabel", AboutTexts::author(), twips(120, 465, 1980, 450));
    QLabel *thanksTo = label(credits, "thanksToLabel", QStringLiteral("With Special Thanks To:"),
                             twips(120, 1020, 1980, 225));
    for (QLabel *l : {createdBy, thanksTo}) {
        l->setFont(arial(8.25, false, true));
        setTextColour(l, DesignWidgets::Navy);
    }
    label(credits, "institutionLabel", AboutTexts::institution(), twips(120, 1245, 1980, 450));
    label(credits, "instructorsLabel", DisplayText::lines(AboutTexts::instructors()),
          twips(120, 1740, 1980, 690));
    label(credits, "thankYouLabel",
          QStringLiteral("Thank you for introducing me to this exciting and "
                         "personally rewarding field."),
          twips(120, 2580, 1980, 1320));

    auto *buttonBar = new QGroupBox(this);
    buttonBar->setObjectName(QStringLiteral("buttonBar"));
    buttonBar->setGeometry(twips(0, 5040, 6915, 645));
    m_okButton = new QPushButton(QStringLiteral("OK"), buttonBar);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(twips(240, 135, 1260, 375));
    m_okButton->setDefault(true);
    auto *systemInfo = new QPushButton(QStringLiteral("&System Info..."), buttonBar);
    systemInfo->setObjectName(QStringLiteral("systemInfoButton"));
    systemInfo->setGeometry(twips(5175, 135, 1500, 375));

    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInfo, &QPushButton::clicked, this, &AboutDialog::startSystemInfo);
    setTabOrder(m_okButton, systemInfo);
    DesignWidgets::fitTexts(this);
}

void AboutDialog::startSystemInfo()
{
    if (::startSystemInfo(m_lookup, m_starter))
        return;
    m_boxes.show(this, QStringLiteral("System Information Is Unavailable At This Time"), QString(),
                 MessageBoxes::Buttons::Ok, MessageBoxes::Icon::NoIcon);
}

void AboutDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape presses OK, as Enter does: the window has nothing to cancel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_okButton->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
