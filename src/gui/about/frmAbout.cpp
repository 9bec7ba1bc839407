#include "frmAbout.h"

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

frmAbout::frmAbout(SystemInfoLookup &lookup, ProgramStarter &starter, MessageBoxes &boxes,
                   QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_lookup(lookup),
      m_starter(starter), m_boxes(boxes)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setWindowIcon(AppIcon::icon());
    buildWidgets();
    Form_Load();
    cmdOK->setFocus();
}

void frmAbout::buildWidgets()
{
    // The design's small system font; the places below were drawn for it.
    setFont(arial(8.25));
    setFixedSize(Twips::px(6915), Twips::px(5685));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twips(240, 240, 540, 540));
    picIcon->setPixmap(AppIcon::icon().pixmap(Twips::px(540), Twips::px(540)));
    picIcon->setAccessibleName(QStringLiteral("Program icon"));

    lblTitle =
        label(this, "lblTitle", QStringLiteral("Application Title"), twips(1050, 240, 5625, 360));
    lblTitle->setFont(arial(12, true));
    lblVersion = label(this, "lblVersion", QStringLiteral("Version"), twips(1050, 600, 5625, 240));
    lblVersion->setFont(arial(8.25, true));

    lblDescript = label(this, "lblDescript", QString(), twips(240, 960, 4095, 3480));
    Label3 = label(this, "Label3", AboutTexts::note(), twips(240, 4440, 4095, 540));
    setTextColour(Label3, DesignWidgets::DarkRed);

    Frame2 = new QGroupBox(QStringLiteral("Credits"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(twips(4455, 885, 2220, 4095));
    Label4 = label(Frame2, "Label4", QStringLiteral("Created By:"), twips(120, 240, 1980, 225));
    lblAuthor = label(Frame2, "lblAuthor", AboutTexts::author(), twips(120, 465, 1980, 450));
    Label5 = label(Frame2, "Label5", QStringLiteral("With Special Thanks To:"),
                   twips(120, 1020, 1980, 225));
    for (QLabel *l : {Label4, Label5}) {
        l->setFont(arial(8.25, false, true));
        setTextColour(l, DesignWidgets::Navy);
    }
    lblInstitution =
        label(Frame2, "lblInstitution", AboutTexts::institution(), twips(120, 1245, 1980, 450));
    lblInstructors = label(Frame2, "lblInstructors", QString(), twips(120, 1740, 1980, 690));
    Label6 = label(Frame2, "Label6",
                   QStringLiteral("Thank you for introducing me to this exciting and "
                                  "personally rewarding field."),
                   twips(120, 2580, 1980, 1320));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(0, 5040, 6915, 645));
    cmdOK = new QPushButton(QStringLiteral("OK"), Frame1);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twips(240, 135, 1260, 375));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), Frame1);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(twips(5175, 135, 1500, 375));

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    setTabOrder(cmdOK, cmdSysInfo);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + AppInfo::title());
    lblVersion->setText(QStringLiteral("Version ") + AppInfo::versionText());
    lblTitle->setText(AppInfo::title());
    lblDescript->setText(DisplayText::lines(AboutTexts::description()));
    lblInstructors->setText(DisplayText::lines(AboutTexts::instructors()));
    // What a screen reader says of the window when it opens.
    setAccessibleDescription(DisplayText::spoken(AboutTexts::description()));
}

void frmAbout::StartSysInfo()
{
    if (startSystemInfo(m_lookup, m_starter))
        return;
    m_boxes.show(this, QStringLiteral("System Information Is Unavailable At This Time"), QString(),
                 MessageBoxes::Buttons::Ok, MessageBoxes::Icon::NoIcon);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // Escape presses OK, as Enter does: the window has nothing to cancel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
