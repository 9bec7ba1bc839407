#pragma once

#include "core/update/UpdateView.h"

#include <QDialog>
#include <QString>
#include <QUrl>

class HttpFetcher;
class MessageBoxes;
class QGroupBox;
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
    // The constructor runs Form_Load. The window shows no message box of
    // its own; boxes is taken so that it opens like every other window.
    UpdateDialog(const QString &appPath, HttpFetcher &fetcher, MessageBoxes &boxes, QWidget *owner,
                 const QUrl &baseUrl);
    UpdateDialog(const QString &appPath, HttpFetcher &fetcher, MessageBoxes &boxes,
                 QWidget *owner = nullptr);

    void Form_Load();
    void Command1_Click();
    void dbtn_Click() { accept(); }
    void cbtn_Click() { accept(); }
    void dlbtn_Click();

    const UpdateView &view() const { return m_view; }

  protected:
    // Escape presses the Cancel button that is shown.
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void buildWidgets();
    void render();
    QString pageAddress() const;

    // Window-level values.
    QString ProgramVersion;
    QString VersionURL;
    QString DataVersionURL;
    QString DataVersionPath;
    QString DataVersion;
    QString NewProgramVersion;
    QString NewDataVersion;
    QString AURL;
    QString ADURL;
    QString APath;
    QString ADPath;

    // The controls; each carries its name as its objectName.
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Text1 = nullptr;
    QLabel *Text3 = nullptr;
    QLabel *Text2 = nullptr;
    QPushButton *dlbtn = nullptr;
    QPushButton *dbtn = nullptr;
    QPushButton *cbtn = nullptr;

    QString m_appPath;
    HttpFetcher &m_fetcher;
    QString m_baseUrl;
    UpdateView m_view;
};
