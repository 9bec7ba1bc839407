#include "LearningMenu.h"

#include "core/record/LearningRecord.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/record/ProgressDialog.h"

namespace {
const QString recordTitle = QStringLiteral("Learning Record");
}

LearningMenu::LearningMenu(LearningRecord &record, MessageBoxes &boxes, QWidget *window,
                           ModalRunner runModal)
    : QMenu(QStringLiteral("&Learning"), window), m_record(record), m_boxes(boxes),
      m_window(window), m_runModal(std::move(runModal))
{
    setObjectName(QStringLiteral("learningMenu"));
    m_reviewAction = addAction(QStringLiteral("Review &Mistakes"));
    m_reviewAction->setObjectName(QStringLiteral("reviewAction"));
    m_reviewAction->setCheckable(true);
    QAction *progress = addAction(QStringLiteral("&Progress..."));
    progress->setObjectName(QStringLiteral("progressAction"));
    connect(m_reviewAction, &QAction::triggered, this, &LearningMenu::startReview);
    connect(progress, &QAction::triggered, this, &LearningMenu::showProgress);
    connect(&m_record, &LearningRecord::noticeReady, this, &LearningMenu::showNotice,
            Qt::QueuedConnection);
}

void LearningMenu::render(bool reviewChecked)
{
    m_reviewChecked = reviewChecked;
    m_reviewAction->setChecked(reviewChecked);
}

bool LearningMenu::recordAvailable()
{
    if (m_record.isReady())
        return true;
    m_boxes.show(m_window,
                 QStringLiteral("The learning record is not available in this run, so "
                                "there is no history to review or show."),
                 recordTitle, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
    return false;
}

void LearningMenu::startReview()
{
    // The check mark follows the drill, not the click.
    m_reviewAction->setChecked(m_reviewChecked);
    if (!recordAvailable())
        return;
    // The answers just given are part of what is due.
    m_record.flush();
    emit reviewRequested(m_record.store().dueItems());
}

void LearningMenu::showProgress()
{
    if (!recordAvailable())
        return;
    m_runModal([this] {
        m_record.flush();
        ProgressDialog window(m_record, m_boxes, m_window);
        window.exec();
    });
}

void LearningMenu::windowShown()
{
    if (m_noticePending)
        QMetaObject::invokeMethod(this, &LearningMenu::showNotice, Qt::QueuedConnection);
}

void LearningMenu::showNotice()
{
    if (!m_window->isVisible()) {
        m_noticePending = true;
        return;
    }
    m_noticePending = false;
    const QString notice = m_record.takeNotice();
    if (!notice.isEmpty())
        m_boxes.show(m_window, notice, recordTitle, MessageBoxes::Buttons::Ok,
                     MessageBoxes::Icon::Information);
}
