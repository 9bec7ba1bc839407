#pragma once

#include "core/record/StudyPlan.h"

#include <QDialog>

#include <functional>

class ChartWidget;
class ExamHistoryPanel;
class StudyPanel;
class LearningRecord;
class MessageBoxes;
class QLabel;
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
    // Where the export starts: the user's documents folder, or home.
    static QString exportFolder();
    // Adds the spaced review box for the bank on screen.
    void showStudy(const StudySettings &settings, std::vector<BankQuestion> bank);

  signals:
    // The window closes with the questions to practise, in order.
    void practiseRequested(const std::vector<QByteArray> &keys);

  private:
    void exportRecord();
    void clearRecord();
    void refresh();
    void display(const RecordStatistics &st);

    LearningRecord &m_record;
    MessageBoxes &m_boxes;
    std::function<QString()> m_chooseFile;

    // The controls; each carries its member name without "m_" as its
    // objectName, as the buttons do ("exportButton", "clearButton",
    // "closeButton").
    QLabel *m_todayLabel = nullptr;
    QLabel *m_weekLabel = nullptr;
    QLabel *m_allTimeLabel = nullptr;
    ChartWidget *m_wordingChart = nullptr;
    ChartWidget *m_daysChart = nullptr;
    QLabel *m_noAnswersLabel = nullptr;
    QTableWidget *m_weakestTable = nullptr;
    StudyPanel *m_studyPanel = nullptr;
    ExamHistoryPanel *m_examPanel = nullptr;
};
