#include "QtCuePlayer.h"

#include <QSoundEffect>
#include <QUrl>

QtCuePlayer::QtCuePlayer() = default;

QtCuePlayer::~QtCuePlayer()
{
    close();
}

void QtCuePlayer::play(const QString &path)
{
    close();
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(path));
    // Starts as soon as the file has loaded; returns at once.
    m_effect->play();
}

void QtCuePlayer::close()
{
    if (!m_effect)
        return;
    m_effect->stop();
    m_effect.reset();
}
