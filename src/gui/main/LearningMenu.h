#pragma once

#include "core/record/RecordTypes.h"
#include "core/record/StudyPlan.h"

#include <QMenu>

#include <functional>
#include <vector>

class LearningRecord;
class MessageBoxes;
class QAction;
class SettingsStore;
struct QuestionBank;

// The Learning menu, for a program with a learning record: the review
// drill over the questions due and the progress window. It also tells the
// user what the record reported, once the window is on screen.
class LearningMenu : public QMenu {
    Q_OBJECT
  public:
    // Runs a modal window with the countdown standing still.
    using ModalRunner = std::function<void(const std::function<void()> &showModal)>;

    LearningMenu(LearningRecord &record, MessageBoxes &boxes, QWidget *window, ModalRunner runModal,
                 SettingsStore &settings, const QuestionBank &bank);

    void render(bool reviewChecked, bool reviewDueChecked = false);

    // The main window is on screen: a notice that waited for it is shown.
    void windowShown();

  signals:
    // The questions due, when the review drill was asked for.
    void reviewRequested(const std::vector<DueItem> &due);
    // The memory states of the answered questions, when the review of
    // what is due was asked for.
    void dueReviewRequested(const std::vector<MemoryEntry> &entries, const StudySettings &settings,
                            QDate today);
    // Questions to practise, chosen in the progress window.
    void practiseRequested(const std::vector<QByteArray> &keys);

  private:
    void startReview();
    void showProgress();
    void startDueReview();
    void showStudySettings();
    void showNotice();
    // Whether the record can be used; tells the user why not otherwise.
    bool recordAvailable();

    LearningRecord &m_record;
    MessageBoxes &m_boxes;
    QWidget *m_window;
    ModalRunner m_runModal;
    SettingsStore &m_settings;
    const QuestionBank &m_bank;
    QAction *m_reviewAction = nullptr;
    QAction *m_reviewDueAction = nullptr;
    bool m_reviewChecked = false;
    bool m_reviewDueChecked = false;
    // The record may have had something to tell before the window existed.
    bool m_noticePending = true;
};
