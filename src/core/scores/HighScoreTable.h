#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class SettingsStore;

struct HighScorePlace {
    std::int32_t score = 0;
    QString name;

    bool operator==(const HighScorePlace &) const = default;
};

// The ten best timed-game scores with their players' names, place 1 best.
// It lives only while the high-score window is open: loaded from the
// settings store when the window opens, saved when it is closed.
class HighScoreTable {
  public:
    static constexpr int Places = 10;

    // Section "highscore", keys "s1".."s10" and "n1".."n10".
    void load(const SettingsStore &store);

    // The place 1..10 a score earns. Both tests of a place are strict, so
    // a tie with any score on the table earns nothing.
    [[nodiscard]] std::optional<int> placeOf(std::int32_t score) const;

    // Places p..9 move down one, the old place 10 is dropped.
    void insert(int p, std::int32_t score, const QString &name);

    void clear();

    // Writes all twenty keys; false when they did not reach the store.
    // Another copy of the program may have saved since this table was
    // loaded: the places it added are merged in first (an equal score goes
    // below its peer), so that both copies' new scores are kept.
    [[nodiscard]] bool save(SettingsStore &store);

    // Places a finished game's score when it earns a place, asking the
    // player's name first. True if placed.
    bool offerScore(std::int32_t score, const std::function<QString()> &askName);

    const HighScorePlace &place(int p) const { return m_places.at(std::size_t(p - 1)); }

    // A stored score: decimal text of a 32-bit signed number. Anything
    // else can only come from an edited store and reads as 0.
    static std::int32_t scoreFromText(const QString &text);
    static QString scoreText(std::int32_t score);

    static QString section() { return QStringLiteral("highscore"); }

  private:
    using PlaceArray = std::array<HighScorePlace, Places>;
    // Puts a place another copy saved below every score at least as high.
    void merge(const HighScorePlace &added);

    PlaceArray m_places;
    // What the store held as far as this table knows: whatever else it
    // holds at a save was added by another copy.
    PlaceArray m_loaded;
};
