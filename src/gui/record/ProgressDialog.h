#pragma once

#include <QDialog>

#include <functional>

class ChartWidget;
class LearningRecord;
class MessageBoxes;
class QLabel;
class QPushButton;
class QTableWidget;
struct RecordStatistics;

// The progress window: totals, first-try accuracy per wording, the last
// 30 days and the ten weakest questions, with the export of the whole
// record and its clearing. Every chart's numbers are also its text.
class ProgressDialog : public QDialog {
    Q_OBJECT
  public:
    ProgressDialog(LearningRecord &record, MessageBoxes &boxes, QWidget *parent = nullptr);

    // Asks where to export; empty: not at all. A test may put its own in.
    void setExportFileChooser(std::function<QString()> choose) { m_chooseFile = std::move(choose); }

    void cmdExport_Click();
    void cmdClear_Click();

  private:
    void load();
    void display(const RecordStatistics &st);

    LearningRecord &m_record;
    MessageBoxes &m_boxes;
    std::function<QString()> m_chooseFile;

    QLabel *Lbl_Today = nullptr;
    QLabel *Lbl_Week = nullptr;
    QLabel *Lbl_AllTime = nullptr;
    ChartWidget *Chart_Wording = nullptr;
    ChartWidget *Chart_Days = nullptr;
    QTableWidget *Tbl_Weakest = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdClose = nullptr;
};
