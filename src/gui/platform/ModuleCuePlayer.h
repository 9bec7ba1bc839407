#pragma once

#include "CuePlayer.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QWidget;

// The cues through the sound module, loaded at the first cue. Without the
// module (or without a device) nothing plays and the program carries on.
class ModuleCuePlayer final : public QObject, public CuePlayer {
  public:
    explicit ModuleCuePlayer(QString folder);
    ~ModuleCuePlayer() override;

    // Cues asked for before the window has first been painted wait until
    // just after it, so that loading the sound does not hold up the first
    // frame; the start-up cue then plays as the window appears.
    void holdUntilPainted(QWidget &window);

    void play(const QString &path) override;
    void close() override;

    bool loaded() const { return m_player != nullptr; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void release();

    QString m_folder;
    bool m_tried = false;
    std::unique_ptr<CuePlayer> m_player;
    QPointer<QWidget> m_window;
    QString m_pending;
};
