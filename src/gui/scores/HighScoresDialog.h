#pragma once

#include "core/scores/HighScoreTable.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

class MessageBoxes;
class QLabel;
class QPushButton;
class SettingsStore;

// The ten places of the timed quiz. Opened at the end of a game (checkscore
// 1) it first places the game's score, asking the name; opened from the
// menu it only shows the table. Closing it stores the table.
class HighScoresDialog : public QDialog {
    Q_OBJECT
  public:
    // Asks a name for a new place; the real one shows HighScoreNameDialog.
    using NameAsker = std::function<QString(QWidget *owner)>;

    // checkscore and NumScore are the main window's, read when the window
    // loads.
    HighScoresDialog(const std::int16_t &checkscore, const std::int32_t &NumScore,
                     SettingsStore &store, MessageBoxes &boxes, QWidget *owner,
                     NameAsker askName = askWithNameWindow);

    void Form_Load();
    void btnClearScores_Click();
    void btnOK_Click();

    const HighScoreTable &table() const { return m_table; }

    // Every way out stores the table as OK does, so that a new high score
    // is never lost to Escape or the window manager. Once a store has
    // failed and the user has been told, a close leaves without trying again.
    void reject() override;

  private:
    static QString askWithNameWindow(QWidget *owner);
    void render();

    // The controls; each carries its name as its objectName ("HS1" to
    // "HS10", "HSN1" to "HSN10" for the places).
    std::array<QLabel *, HighScoreTable::Places> HS{};
    std::array<QLabel *, HighScoreTable::Places> HSN{};
    QPushButton *btnClearScores = nullptr;
    QPushButton *btnOK = nullptr;

    const std::int16_t &m_checkscore;
    const std::int32_t &m_numScore;
    SettingsStore &m_store;
    MessageBoxes &m_boxes;
    NameAsker m_askName;
    HighScoreTable m_table;
    bool m_saveFailed = false;
};
