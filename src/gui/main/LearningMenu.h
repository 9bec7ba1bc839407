#pragma once

#include "core/record/RecordTypes.h"

#include <QMenu>

#include <functional>
#include <vector>

class LearningRecord;
class MessageBoxes;
class QAction;

// The Learning menu, for a program with a learning record: the review
// drill over the questions due and the progress window. It also tells the
// user what the record reported, once the window is on screen.
class LearningMenu : public QMenu {
    Q_OBJECT
  public:
    // Runs a modal window with the countdown standing still.
    using ModalRunner = std::function<void(const std::function<void()> &showModal)>;

    LearningMenu(LearningRecord &record, MessageBoxes &boxes, QWidget *window,
                 ModalRunner runModal);

    void render(bool reviewChecked);

    // The main window is on screen: a notice that waited for it is shown.
    void windowShown();

  signals:
    // The questions due, when the review drill was asked for.
    void reviewRequested(const std::vector<DueItem> &due);

  private:
    void startReview();
    void showProgress();
    void showNotice();
    // Whether the record can be used; tells the user why not otherwise.
    bool recordAvailable();

    LearningRecord &m_record;
    MessageBoxes &m_boxes;
    QWidget *m_window;
    ModalRunner m_runModal;
    QAction *m_reviewAction = nullptr;
    bool m_reviewChecked = false;
    // The record may have had something to tell before the window existed.
    bool m_noticePending = true;
};
