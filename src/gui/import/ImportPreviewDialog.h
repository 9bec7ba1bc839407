#pragma once

#include <QDialog>
#include <QString>

class BankImport;
class FileDialogs;
class QLabel;
class QPushButton;
class QTableWidget;

// What an import would write, before anything is written: the summary
// (questions found, skipped with reason and line, lines used, the banks it
// makes), the first questions as they will be asked, and the folder they
// go to, which the user may change. Cancel, the default, writes nothing.
class ImportPreviewDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int PreviewRows = 20;

    ImportPreviewDialog(const BankImport &import, QString target, FileDialogs &files,
                        QWidget *owner = nullptr);

    // The folder chosen to write to.
    [[nodiscard]] const QString &target() const { return m_target; }

  private:
    void fillTable();
    void chooseFolder();
    void showTarget();

    const BankImport &m_import;
    QString m_target;
    FileDialogs &m_files;
    QLabel *m_targetLabel = nullptr;
    QTableWidget *m_questionTable = nullptr;
};
