#include "frmChkUpdt.h"

#include "core/common/AppInfo.h"
#include "core/common/DisplayText.h"
#include "core/common/Error.h"
#include "core/common/TextFile.h"
#include "core/update/BankDownload.h"
#include "core/update/DownloadPlan.h"
#include "core/update/HttpFetcher.h"
#include "core/update/UpdateBaseUrl.h"
#include "core/update/VersionCheck.h"
#include "gui/widgets/DesignWidgets.h"
#include "gui/widgets/Twips.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <exception>
#include <new>

namespace {

using Twips::px;
constexpr auto twips = Twips::rect;

const QString CR = QStringLiteral("\r");

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    return DesignWidgets::label(parent, QLatin1String(name), text, place,
                                Qt::AlignLeft | Qt::AlignTop, true);
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(place);
    // Enter presses the button that has the focus.
    b->setAutoDefault(true);
    return b;
}

// The first line of the data-version file, or empty text when the file is
// missing, empty or cannot be read: the window then shows no data version,
// compares it as 0 and leaves the download possible.
QString readDataVersion(const QString &path)
{
    // Only a plain file: a folder or a device of that name is no version,
    // and reading a pipe would never return.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QString();
    // Whatever follows the first line is not read; a first line longer
    // than a version can be is none.
    const QByteArray head = file.read(VersionCheck::MaxVersionBytes + 1);
    const qsizetype cr = head.indexOf('\r');
    if (cr < 0 ? head.size() > VersionCheck::MaxVersionBytes : cr > VersionCheck::MaxVersionBytes)
        return QString();
    return TextFile::firstLine(TextFile::decode(head));
}

QString describe(const std::exception &e)
{
    if (dynamic_cast<const std::bad_alloc *>(&e))
        return Error::describe(ErrorNumber::OutOfMemory);
    return QString::fromLocal8Bit(e.what());
}

} // namespace

frmChkUpdt::frmChkUpdt(const QString &appPath, HttpFetcher &fetcher, MessageBoxes &boxes,
                       QWidget *owner, const QUrl &baseUrl)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_appPath(appPath),
      m_fetcher(fetcher), m_baseUrl(baseUrl.toString())
{
    (void)boxes;
    setObjectName(QStringLiteral("frmChkUpdt"));
    setWindowTitle(QStringLiteral("Check for Update..."));
    setModal(true);
    buildWidgets();
    Form_Load();
    Command1->setFocus();
}

frmChkUpdt::frmChkUpdt(const QString &appPath, HttpFetcher &fetcher, MessageBoxes &boxes,
                       QWidget *owner)
    : frmChkUpdt(appPath, fetcher, boxes, owner, updateBaseUrl())
{
}

void frmChkUpdt::buildWidgets()
{
    setFixedSize(px(5985), px(3540));

    Label1 = label(this, "Label1",
                   QStringLiteral("This will check the internet for an update to the ZEL Quiz "
                                  "program"),
                   twips(1245, 120, 3495, 495));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Command1 =
        button(this, "Command1", QStringLiteral("Check for Update"), twips(1965, 600, 2055, 375));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(1065, 1080, 3855, 735));
    Label2 = label(Frame1, "Label2", QStringLiteral("Your Software Versions:"),
                   twips(960, 0, 1935, 255));
    Text1 = label(Frame1, "Text1", QStringLiteral("Program: "), twips(480, 240, 1215, 375));
    Text3 = label(Frame1, "Text3", QStringLiteral("Data Files:"), twips(2160, 240, 1215, 375));

    Text2 = label(this, "Text2", QString(), twips(345, 1920, 5295, 1095));
    Text2->setAutoFillBackground(true);
    Text2->setMargin(2);
    QPalette white = Text2->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Text2->setPalette(white);

    dlbtn =
        button(this, "dlbtn", QStringLiteral("Download Data Files"), twips(120, 3120, 2895, 375));
    dbtn = button(this, "dbtn", QStringLiteral("Cancel"), twips(2445, 3120, 1095, 375));
    cbtn = button(this, "cbtn", QStringLiteral("Cancel"), twips(4080, 3120, 1695, 375));

    connect(Command1, &QPushButton::clicked, this, &frmChkUpdt::Command1_Click);
    connect(dbtn, &QPushButton::clicked, this, &frmChkUpdt::dbtn_Click);
    connect(cbtn, &QPushButton::clicked, this, &frmChkUpdt::cbtn_Click);
    connect(dlbtn, &QPushButton::clicked, this, &frmChkUpdt::dlbtn_Click);
}

QString frmChkUpdt::pageAddress() const
{
    return m_baseUrl + QStringLiteral("zel");
}

void frmChkUpdt::Form_Load()
{
    m_view = UpdateView::loaded();
    ProgramVersion = AppInfo::versionText();
    VersionURL = m_baseUrl + QStringLiteral("zel/zelq_ver.txt");
    DataVersionURL = m_baseUrl + QStringLiteral("zel/DV.ZEL");
    DataVersionPath = m_appPath + QStringLiteral("/DV.ZEL");
    DataVersion = readDataVersion(DataVersionPath);
    Text1->setText(DisplayText::lines(QStringLiteral("Program:") + CR + ProgramVersion));
    Text3->setText(DisplayText::lines(QStringLiteral("Data Files:") + CR + DataVersion));
    render();
}

void frmChkUpdt::render()
{
    Text2->setText(DisplayText::lines(m_view.Text2));
    const auto apply = [](QPushButton *b, const UpdateView::Button &state) {
        b->setText(state.caption);
        b->setEnabled(state.enabled);
        b->setVisible(state.visible);
    };
    apply(Command1, m_view.Command1);
    apply(dbtn, m_view.dbtn);
    apply(dlbtn, m_view.dlbtn);
    apply(cbtn, m_view.cbtn);
}

void frmChkUpdt::Command1_Click()
{
    VersionCheck::start(m_view);
    render();
    VersionCheck::Versions v{ProgramVersion, DataVersion, QString(), QString()};
    try {
        // Both fetches are made even when the first gave nothing, as the
        // check always has; a failure of either ends the check.
        for (auto [url, text] : {std::pair{&VersionURL, &NewProgramVersion},
                                 std::pair{&DataVersionURL, &NewDataVersion}}) {
            const Result<QByteArray> r = m_fetcher.get(QUrl(*url), VersionCheck::MaxVersionBytes);
            if (!r) {
                VersionCheck::finish(m_view, VersionCheck::Outcome::Failed, v, pageAddress(),
                                     r.error().description());
                render();
                return;
            }
            *text = TextFile::decode(*r);
            v.NewProgramVersion = NewProgramVersion;
            v.NewDataVersion = NewDataVersion;
        }
        VersionCheck::finish(m_view, VersionCheck::decide(v), v, pageAddress());
    } catch (const Error &e) {
        VersionCheck::finish(m_view, VersionCheck::Outcome::Failed, v, pageAddress(),
                             e.description());
    } catch (const std::exception &e) {
        VersionCheck::finish(m_view, VersionCheck::Outcome::Failed, v, pageAddress(), describe(e));
    }
    render();
}

void frmChkUpdt::dlbtn_Click()
{
    DownloadPlan::start(m_view);
    render();
    AURL = m_baseUrl + QStringLiteral("zel/A.zel");
    ADURL = m_baseUrl + QStringLiteral("zel/AD.zel");
    APath = m_appPath + QStringLiteral("/A.zel");
    ADPath = m_appPath + QStringLiteral("/AD.zel");

    // The window shows "Downloading Files..." while the files are fetched.
    BankDownload::run(m_fetcher, m_baseUrl, m_appPath, m_view);
    render();
}

void frmChkUpdt::keyPressEvent(QKeyEvent *event)
{
    // Escape is the visible Cancel, as in any dialog; with none shown it
    // does nothing.
    if (event->key() == Qt::Key_Escape) {
        for (QPushButton *cancel : {dbtn, cbtn}) {
            if (cancel->isVisible() && cancel->isEnabled()) {
                cancel->click();
                break;
            }
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
