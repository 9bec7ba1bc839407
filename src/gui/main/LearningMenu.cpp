#include "LearningMenu.h"

#include "core/record/LearningRecord.h"
#include "core/record/StudySettings.h"
#include "core/scores/SettingsStore.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/record/ProgressDialog.h"
#include "gui/record/StudySettingsDialog.h"

namespace {
const QString recordTitle = QStringLiteral("Learning Record");
}

LearningMenu::LearningMenu(LearningRecord &record, MessageBoxes &boxes, QWidget *window,
                           ModalRunner runModal, SettingsStore &settings, const QuestionBank &bank)
    : QMenu(QStringLiteral("&Learning"), window), m_record(record), m_boxes(boxes),
      m_window(window), m_runModal(std::move(runModal)), m_settings(settings), m_bank(bank)
{
    setObjectName(QStringLiteral("learningMenu"));
    m_reviewAction = addAction(QStringLiteral("Review &Mistakes"));
    m_reviewAction->setObjectName(QStringLiteral("reviewAction"));
    m_reviewAction->setCheckable(true);
    m_reviewDueAction = addAction(QStringLiteral("Review &Due"));
    m_reviewDueAction->setObjectName(QStringLiteral("reviewDueAction"));
    m_reviewDueAction->setCheckable(true);
    QAction *progress = addAction(QStringLiteral("&Progress..."));
    progress->setObjectName(QStringLiteral("progressAction"));
    QAction *settingsAction = addAction(QStringLiteral("Study &Settings..."));
    settingsAction->setObjectName(QStringLiteral("studySettingsAction"));
    connect(m_reviewDueAction, &QAction::triggered, this, &LearningMenu::startDueReview);
    connect(settingsAction, &QAction::triggered, this, &LearningMenu::showStudySettings);
    m_record.store().setStudySettings(StudySettings::load(m_settings));
    connect(m_reviewAction, &QAction::triggered, this, &LearningMenu::startReview);
    connect(progress, &QAction::triggered, this, &LearningMenu::showProgress);
    connect(&m_record, &LearningRecord::noticeReady, this, &LearningMenu::showNotice,
            Qt::QueuedConnection);
}

void LearningMenu::render(bool reviewChecked, bool reviewDueChecked)
{
    m_reviewChecked = reviewChecked;
    m_reviewAction->setChecked(reviewChecked);
    m_reviewDueChecked = reviewDueChecked;
    m_reviewDueAction->setChecked(reviewDueChecked);
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
        std::vector<QByteArray> practise;
        connect(&window, &ProgressDialog::practiseRequested, this,
                [&practise](const std::vector<QByteArray> &keys) { practise = keys; });
        window.showStudy(StudySettings::load(m_settings), StudyPlan::bankQuestions(m_bank));
        if (window.exec() == QDialog::Accepted && !practise.empty())
            emit practiseRequested(practise);
    });
}

void LearningMenu::startDueReview()
{
    m_reviewDueAction->setChecked(m_reviewDueChecked);
    if (!recordAvailable())
        return;
    m_record.flush();
    emit dueReviewRequested(m_record.store().memoryEntries(), StudySettings::load(m_settings),
                            QDate::currentDate());
}

void LearningMenu::showStudySettings()
{
    m_runModal([this] {
        StudySettingsDialog window(StudySettings::load(m_settings), QDate::currentDate(), m_window);
        if (window.exec() != QDialog::Accepted)
            return;
        const StudySettings chosen = window.settings();
        if (!chosen.save(m_settings))
            m_boxes.show(m_window,
                         QStringLiteral("The study settings could not be saved to:\r") +
                             m_settings.location(),
                         QStringLiteral("Study Settings"), MessageBoxes::Buttons::Ok,
                         MessageBoxes::Icon::Information);
        m_record.store().setStudySettings(chosen);
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
