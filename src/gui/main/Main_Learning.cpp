// The Learning menu: the review drill over the questions due and the
// progress window, both built on the learning record.
#include "Main.h"
#include "core/record/LearningRecord.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/record/frmProgress.h"

namespace {
const QString recordTitle = QStringLiteral("Learning Record");
}

bool Main::recordAvailable()
{
    if (m_services.record && m_services.record->isReady())
        return true;
    m_services.boxes.show(this,
                          QStringLiteral("The learning record is not available in this run, so "
                                         "there is no history to review or show."),
                          recordTitle, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
    return false;
}

void Main::showRecordNotice()
{
    if (!isVisible()) {
        m_noticePending = true;
        return;
    }
    m_noticePending = false;
    const QString notice = m_services.record ? m_services.record->takeNotice() : QString();
    if (!notice.isEmpty())
        m_services.boxes.show(this, notice, recordTitle, MessageBoxes::Buttons::Ok,
                              MessageBoxes::Icon::Information);
}

void Main::Menu_Review_Click()
{
    if (recordAvailable()) {
        // The answers just given are part of what is due.
        m_services.record->flush();
        m_session->reviewChosen(m_services.record->store().dueItems());
    }
    render();
}

void Main::Mnu_Progress_Click()
{
    if (!recordAvailable())
        return;
    showPausingCountdown([this] {
        m_services.record->flush();
        frmProgress window(*m_services.record, m_services.boxes, this);
        window.exec();
    });
}
