#include "UpdateDialog.h"

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

QString describe(const std::exception &e)
{
    if (dynamic_cast<const std::bad_alloc *>(&e))
        return Error::describe(ErrorNumber::OutOfMemory);
    return QString::fromLocal8Bit(e.what());
}

} // namespace

UpdateDialog::UpdateDialog(const QString &appPath, HttpFetcher &fetcher, QWidget *owner,
                           const QUrl &baseUrl)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_appPath(appPath),
      m_fetcher(fetcher), m_baseUrl(baseUrl.toString())
{
    setObjectName(QStringLiteral("UpdateDialog"));
    setWindowTitle(QStringLiteral("Check for Update..."));
    setModal(true);
    buildWidgets();
    m_dataVersion = VersionCheck::installedDataVersion(m_appPath);
    m_programVersionLabel->setText(
        DisplayText::lines(QStringLiteral("Program:") + CR + AppInfo::versionText()));
    m_dataVersionLabel->setText(
        DisplayText::lines(QStringLiteral("Data Files:") + CR + m_dataVersion));
    render();
    DesignWidgets::fitTexts(this);
    m_checkButton->setFocus();
}

UpdateDialog::UpdateDialog(const QString &appPath, HttpFetcher &fetcher, QWidget *owner)
    : UpdateDialog(appPath, fetcher, owner, updateBaseUrl())
{
}

void UpdateDialog::buildWidgets()
{
    setFixedSize(px(5985), px(3540));

    QLabel *intro = label(this, "introLabel",
                          QStringLiteral("This will check the internet for an update to the ZEL "
                                         "Quiz program"),
                          twips(1245, 120, 3495, 495));
    intro->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_checkButton = button(this, "checkButton", QStringLiteral("Check for Update"),
                           twips(1965, 600, 2055, 375));

    auto *versions = new QGroupBox(this);
    versions->setObjectName(QStringLiteral("versionsBox"));
    versions->setGeometry(twips(1065, 1080, 3855, 735));
    label(versions, "versionsHeading", QStringLiteral("Your Software Versions:"),
          twips(960, 0, 1935, 255));
    m_programVersionLabel = label(versions, "programVersionLabel", QStringLiteral("Program: "),
                                  twips(480, 240, 1215, 375));
    m_dataVersionLabel = label(versions, "dataVersionLabel", QStringLiteral("Data Files:"),
                               twips(2160, 240, 1215, 375));

    m_statusLabel = label(this, "statusLabel", QString(), twips(345, 1920, 5295, 1095));
    m_statusLabel->setAutoFillBackground(true);
    m_statusLabel->setMargin(2);
    QPalette white = m_statusLabel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_statusLabel->setPalette(white);

    m_downloadButton = button(this, "downloadButton", QStringLiteral("Download Data Files"),
                              twips(120, 3120, 2895, 375));
    m_doneButton =
        button(this, "doneButton", QStringLiteral("Cancel"), twips(2445, 3120, 1095, 375));
    m_cancelButton =
        button(this, "cancelButton", QStringLiteral("Cancel"), twips(4080, 3120, 1695, 375));

    connect(m_checkButton, &QPushButton::clicked, this, &UpdateDialog::checkForUpdate);
    connect(m_doneButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_downloadButton, &QPushButton::clicked, this, &UpdateDialog::downloadDataFiles);
}

QString UpdateDialog::pageAddress() const
{
    return m_baseUrl + QStringLiteral("zel");
}

void UpdateDialog::render()
{
    m_statusLabel->setText(DisplayText::lines(m_view.status));
    const auto apply = [](QPushButton *b, const UpdateView::Button &state) {
        b->setText(state.caption);
        b->setEnabled(state.enabled);
        b->setVisible(state.visible);
    };
    apply(m_checkButton, m_view.checkButton);
    apply(m_doneButton, m_view.doneButton);
    apply(m_downloadButton, m_view.downloadButton);
    apply(m_cancelButton, m_view.cancelButton);
}

void UpdateDialog::checkForUpdate()
{
    VersionCheck::start(m_view);
    m_offeredVersion.reset();
    render();
    VersionCheck::Versions v{AppInfo::versionText(), m_dataVersion, QString(), QString()};
    try {
        // Both fetches are made even when the first gave nothing, as the
        // check always has; a failure of either ends the check.
        for (auto [file, text] : {std::pair{QStringLiteral("zel/zelq_ver.txt"), &v.newProgram},
                                  std::pair{QStringLiteral("zel/DV.ZEL"), &v.newData}}) {
            const Result<QByteArray> r =
                m_fetcher.get(QUrl(m_baseUrl + file), VersionCheck::MaxVersionBytes);
            if (!r) {
                VersionCheck::finish(m_view, VersionCheck::Outcome::Failed, v, pageAddress(),
                                     r.error().description());
                render();
                return;
            }
            *text = TextFile::decode(*r);
        }
        const VersionCheck::Outcome outcome = VersionCheck::decide(v);
        if (outcome == VersionCheck::Outcome::DataUpgrade)
            m_offeredVersion = v.newData.trimmed();
        VersionCheck::finish(m_view, outcome, v, pageAddress());
    } catch (const Error &e) {
        // A version number too large to read (run-time error 6).
        VersionCheck::finish(m_view, VersionCheck::Outcome::Failed, v, pageAddress(),
                             QStringLiteral("#%1: %2").arg(e.code()).arg(e.description()));
    } catch (const std::exception &e) {
        VersionCheck::finish(m_view, VersionCheck::Outcome::Failed, v, pageAddress(), describe(e));
    }
    render();
}

void UpdateDialog::downloadDataFiles()
{
    DownloadPlan::start(m_view);
    render();
    // The window shows "Downloading Files..." while the files are fetched.
    BankDownload::run(m_fetcher, m_baseUrl, m_appPath, m_view, m_offeredVersion);
    render();
}

void UpdateDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape is the visible Cancel, as in any dialog; with none shown it
    // does nothing.
    if (event->key() == Qt::Key_Escape) {
        for (QPushButton *cancel : {m_doneButton, m_cancelButton}) {
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
