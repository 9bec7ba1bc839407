#pragma once

#include "HighScoreNameDialog.h"
#include "core/scores/HighScoreTable.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class MessageBoxes;
class QLabel;
class QPushButton;
class SettingsStore;

// The ten places of the timed quiz. Opened at the end of a game with the
// game's score it first places that score, asking the name; opened from
// the menu it only shows the table. Closing it stores the table.
class HighScoresDialog : public QDialog {
    Q_OBJECT
  public:
    // Asks a name for a new place; tests answer without a window.
    using NameAsker = std::function<QString(QWidget *owner)>;

    // The table is read from the store, and a new score offered (asking
    // the name when it earns a place) before the constructor returns.
    HighScoresDialog(std::optional<int> newScore, SettingsStore &store, MessageBoxes &boxes,
                     QWidget *owner, NameAsker askName = HighScoreNameDialog::ask);

    // Every way out stores the table as OK does, so that a new high score
    // is never lost to Escape or the window manager. Once a store has
    // failed and the user has been told, a close leaves without trying again.
    void reject() override;

  private:
    void render();
    void clearScores();
    void storeAndClose();

    // The places' labels, objectNames "score1" to "score10" and "name1"
    // to "name10".
    std::array<QLabel *, HighScoreTable::Places> m_scoreLabels{};
    std::array<QLabel *, HighScoreTable::Places> m_nameLabels{};

    SettingsStore &m_store;
    MessageBoxes &m_boxes;
    HighScoreTable m_table;
    bool m_saveFailed = false;
};
