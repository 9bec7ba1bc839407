#pragma once

#include "core/update/UpdateView.h"

#include <QDialog>
#include <QString>
#include <QUrl>

#include <optional>

class HttpFetcher;
class QLabel;
class QPushButton;

// The update window: shows the installed program and data versions, asks
// the update server for the newest ones and, when only the question bank
// is newer, downloads its files. The new bank is read at the next start.
class UpdateDialog : public QDialog {
    Q_OBJECT
  public:
    // appPath is the program's folder (without a trailing separator), where
    // the bank and "DV.ZEL" lie; baseUrl the update server's, ending in "/".
    UpdateDialog(const QString &appPath, HttpFetcher &fetcher, QWidget *owner, const QUrl &baseUrl);
    UpdateDialog(const QString &appPath, HttpFetcher &fetcher, QWidget *owner = nullptr);

    const UpdateView &view() const { return m_view; }

  protected:
    // Escape presses the Cancel button that is shown.
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void buildWidgets();
    void render();
    void checkForUpdate();
    void downloadDataFiles();
    QString pageAddress() const;

    // The installed data version, as read when the window was built.
    QString m_dataVersion;
    // The data version the last check offered; a download installs no other.
    std::optional<QString> m_offeredVersion;

    // The controls; each carries its member name without "m_" as its
    // objectName. The two Cancel buttons are the view's doneButton and
    // cancelButton.
    QPushButton *m_checkButton = nullptr;
    QLabel *m_programVersionLabel = nullptr;
    QLabel *m_dataVersionLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QPushButton *m_downloadButton = nullptr;
    QPushButton *m_doneButton = nullptr;
    QPushButton *m_cancelButton = nullptr;

    QString m_appPath;
    HttpFetcher &m_fetcher;
    QString m_baseUrl;
    UpdateView m_view = UpdateView::loaded();
};
