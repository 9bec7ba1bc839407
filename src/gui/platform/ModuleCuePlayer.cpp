#include "ModuleCuePlayer.h"

#include "Modules.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

ModuleCuePlayer::ModuleCuePlayer(QString folder) : m_folder(std::move(folder)) {}

ModuleCuePlayer::~ModuleCuePlayer()
{
    close();
}

void ModuleCuePlayer::holdUntilPainted(QWidget &window)
{
    m_window = &window;
    window.installEventFilter(this);
}

bool ModuleCuePlayer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == m_window) {
        watched->removeEventFilter(this);
        // After the paint has reached the screen, not during it, and one
        // turn of the event loop later still: a start-up measurement ends
        // the loop on the turn after the first paint, and must not leave
        // the sound library loading a cue as the process exits (its exit
        // handlers would wait for that load for ever).
        QTimer::singleShot(0, this,
                           [this] { QTimer::singleShot(0, this, &ModuleCuePlayer::release); });
    }
    return QObject::eventFilter(watched, event);
}

void ModuleCuePlayer::release()
{
    m_window = nullptr;
    if (!m_pending.isEmpty())
        play(std::exchange(m_pending, QString()));
}

void ModuleCuePlayer::play(const QString &path)
{
    if (m_window) {
        m_pending = path;
        return;
    }
    if (!m_tried) {
        m_tried = true;
        if (const Result<SoundModule *> sound = Modules::loadSound(m_folder))
            m_player = (*sound)->createCuePlayer();
    }
    if (m_player)
        m_player->play(path);
}

void ModuleCuePlayer::close()
{
    m_pending.clear();
    if (m_player)
        m_player->close();
}
