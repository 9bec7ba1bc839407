// The modal windows the main window opens, and the effects the quiz rules
// ask of it: the countdown switch, message boxes, the high-score table.
#include "Main.h"
#include "core/sysinfo/DetachedStarter.h"
#include "core/sysinfo/PlatformSystemInfo.h"
#include "gui/about/frmAbout.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/platform/ModuleHttpFetcher.h"
#include "gui/scores/frmHighScore.h"
#include "gui/update/frmChkUpdt.h"

#include <QTimer>

void Main::showPausingCountdown(const std::function<void()> &showModal)
{
    TimerWasOn = Timer->isActive();
    Timer->stop();
    showModal();
    if (TimerWasOn)
        Timer->start();
}

void Main::Mnu_About_Click()
{
    showPausingCountdown([this] {
        const std::unique_ptr<SystemInfoLookup> lookup = platformSystemInfo();
        DetachedStarter starter;
        frmAbout window(*lookup, starter, m_services.boxes, this);
        window.exec();
    });
}

void Main::Mnu_CU_Click()
{
    showPausingCountdown([this] {
        ModuleHttpFetcher fetcher(AppPath);
        frmChkUpdt window(AppPath, fetcher, m_services.boxes, this);
        window.exec();
    });
}

void Main::mnuHisgScore_Click()
{
    m_session->state().checkscore = 0;
    showHighScores();
    m_session->state().checkscore = 0;
    // A game that ran out of time while the table was open from the menu
    // offers its score now, to the table just stored.
    while (m_offerPending) {
        m_offerPending = false;
        m_session->state().checkscore = 1;
        showHighScores();
        m_session->state().checkscore = 0;
    }
}

void Main::setTimerOn(bool on)
{
    if (on)
        Timer->start();
    else
        Timer->stop();
}

void Main::showMessage(const QString &text, const QString &title)
{
    render();
    m_services.boxes.show(this, text, title, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::NoIcon);
}

void Main::showHighScores()
{
    render();
    // The menu leaves the countdown running, so a game can end while the
    // table is already open. A second table window on top of the first
    // would save over it; the score waits until the first one is closed.
    if (m_highScoresOpen) {
        m_offerPending = true;
        return;
    }
    m_highScoresOpen = true;
    if (m_showHighScores) {
        m_showHighScores();
    } else {
        const QuizState &s = state();
        frmHighScore window(s.checkscore, s.NumScore, m_services.settings, m_services.boxes, this);
        window.Form_Load();
        window.exec();
    }
    m_highScoresOpen = false;
}
