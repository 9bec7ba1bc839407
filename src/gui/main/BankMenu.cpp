#include "BankMenu.h"

#include "core/import/BankExport.h"
#include "core/import/BankImport.h"
#include "core/quiz/BankFolders.h"
#include "gui/import/ImportPreviewDialog.h"
#include "gui/platform/FileDialogs.h"
#include "gui/platform/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

namespace {
const QString importTitle = QStringLiteral("Import Questions");
const QString exportTitle = QStringLiteral("Export Bank");
} // namespace

BankMenu::BankMenu(BankFolders &folders, MessageBoxes &boxes, FileDialogs &files, QWidget *window,
                   ModalRunner runModal, Opener open)
    : QObject(window), m_folders(folders), m_boxes(boxes), m_files(files), m_window(window),
      m_runModal(std::move(runModal)), m_open(std::move(open)),
      m_dataFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
{
}

void BankMenu::addTo(QMenu *menu)
{
    auto add = [](QMenu *m, const char *name, const QString &caption) {
        QAction *a = m->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    QAction *open = add(menu, "openBankAction", QStringLiteral("&Open Bank..."));
    m_recentMenu = menu->addMenu(QStringLiteral("&Recent Banks"));
    m_recentMenu->setObjectName(QStringLiteral("recentBanksMenu"));
    QAction *import = add(menu, "importQuestionsAction", QStringLiteral("&Import Questions..."));
    QAction *exportAction = add(menu, "exportBankAction", QStringLiteral("&Export Bank..."));
    connect(open, &QAction::triggered, this, &BankMenu::openBank);
    connect(import, &QAction::triggered, this, &BankMenu::importQuestions);
    connect(exportAction, &QAction::triggered, this, &BankMenu::exportBank);
    // A folder may have come back, or gone, since the list was made.
    connect(m_recentMenu, &QMenu::aboutToShow, this, &BankMenu::fillRecent);
    fillRecent();
}

void BankMenu::setOpenFolder(const QString &folder)
{
    m_openFolder = folder;
    fillRecent();
}

void BankMenu::fillRecent()
{
    if (!m_recentMenu)
        return;
    // Not clear(): the action that opened a bank is still being triggered.
    for (QAction *old : m_recentMenu->actions()) {
        m_recentMenu->removeAction(old);
        old->deleteLater();
    }
    const QStringList recent = m_folders.recent();
    for (int i = 0; i < int(recent.size()); ++i) {
        const QString folder = recent[i];
        QString caption = QDir::toNativeSeparators(folder);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (m_folders.isAppFolder(folder))
            caption += QStringLiteral("  (the program's own bank)");
        QAction *a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        a->setObjectName(QStringLiteral("recentBank%1").arg(i + 1));
        // A folder that has gone (or a drive not plugged in) stays listed,
        // greyed, in case it comes back.
        a->setEnabled(BankFolders::holdsBankFiles(folder));
        connect(a, &QAction::triggered, this, [this, folder] { m_open(folder); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void BankMenu::tell(const QString &text, const QString &title)
{
    m_boxes.show(m_window, text, title, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
}

void BankMenu::openBank()
{
    QString folder;
    m_runModal([&] {
        folder = m_files.chooseFolder(m_window, QStringLiteral("Open Bank"), m_openFolder);
    });
    if (!folder.isEmpty())
        m_open(folder);
}

void BankMenu::importQuestions()
{
    QString file;
    m_runModal([&] {
        file = m_files.openFile(m_window, importTitle,
                                QStringLiteral("Questions (*.csv *.tsv *.txt *.xml *.gift)"));
    });
    if (file.isEmpty())
        return;
    const Result<BankImport> prepared = BankImport::prepare(file);
    if (!prepared) {
        tell(prepared.error().description(), importTitle);
        return;
    }
    const BankImport &import = *prepared;
    QString target = BankFolders::unusedFolder(
        m_dataFolder + QStringLiteral("/banks/") + QFileInfo(file).completeBaseName(),
        [&import](const QString &t) { return import.folders(t); });
    bool accepted = false;
    m_runModal([&] {
        ImportPreviewDialog preview(import, target, m_files, m_window);
        accepted = preview.exec() == QDialog::Accepted;
        target = preview.target();
    });
    if (!accepted)
        return;

    QStringList taken;
    for (const QString &folder : import.folders(target))
        if (BankImport::holdsBank(folder))
            taken << QDir::toNativeSeparators(folder);
    if (!taken.isEmpty() &&
        m_boxes.confirm(m_window,
                        QStringLiteral("These folders already hold a bank:\r%1\r"
                                       "Replace it with the imported questions?")
                            .arg(taken.join(QLatin1Char('\r'))),
                        importTitle, QStringLiteral("Replace")) != MessageBoxes::Answer::Yes)
        return;

    const Result<QStringList> written = import.write(target);
    if (!written) {
        tell(written.error().description(), importTitle);
        return;
    }
    if (!written->isEmpty())
        m_open(written->first());
}

void BankMenu::exportBank()
{
    const QString name = m_folders.isAppFolder(m_openFolder) ? QStringLiteral("ZEL Quiz")
                                                             : QFileInfo(m_openFolder).fileName();
    QString file;
    m_runModal([&] {
        file = m_files.saveFile(m_window, exportTitle,
                                QDir::home().filePath(name + QStringLiteral(".csv")),
                                QStringLiteral("Spreadsheet (*.csv)"));
    });
    if (file.isEmpty())
        return;
    if (QFileInfo::exists(file) &&
        m_boxes.confirm(
            m_window,
            QStringLiteral("%1 already exists.\rReplace it?").arg(QDir::toNativeSeparators(file)),
            exportTitle, QStringLiteral("Replace")) != MessageBoxes::Answer::Yes)
        return;
    const Result<int> written = BankExport::write(m_openFolder, file);
    if (!written)
        tell(written.error().description(), exportTitle);
    else
        tell(QStringLiteral("%1 questions were written to\r%2")
                 .arg(*written)
                 .arg(QDir::toNativeSeparators(file)),
             exportTitle);
}
