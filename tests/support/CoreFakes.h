#pragma once

#include "QtPrinters.h"
#include "core/quiz/QuizEffects.h"
#include "core/quiz/RandomSource.h"
#include "core/scores/SettingsStore.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A seeded generator without the clock, so that a run is repeatable.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed = 12345) : m_random(seed, false) {}
    void reseedFromClock() override { ++reseeds; }
    double next() override { return m_random.next(); }
    int reseeds = 0;

  private:
    MersenneRandom m_random;
};

// Returns the given values in turn, then starts over.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<double> values) : m_values(std::move(values)) {}
    void reseedFromClock() override {}
    double next() override { return m_values[m_next++ % m_values.size()]; }

  private:
    std::vector<double> m_values;
    std::size_t m_next = 0;
};

// Records what the quiz rules asked of the window.
class FakeEffects final : public QuizEffects {
  public:
    void playCue(const QString &waveName) override { log << QStringLiteral("cue ") + waveName; }
    void setCountdownRunning(bool on) override
    {
        timerOn = on;
        log << (on ? QStringLiteral("timer on") : QStringLiteral("timer off"));
    }
    void showMessage(const QString &text, const QString &title) override
    {
        log << QStringLiteral("box ") + title + QStringLiteral(" | ") + text;
        onMessage();
    }
    void offerHighScore(int score) override
    {
        log << QStringLiteral("high scores");
        offeredScores.push_back(score);
    }

    QStringList log;
    bool timerOn = false;
    std::function<void()> onMessage = [] {};
    std::vector<int> offeredScores;
};

// Settings in memory; a test may make the next commits fail.
class MemorySettings final : public SettingsStore {
  public:
    QString read(const QString &section, const QString &key) const override
    {
        return values.value(section + QLatin1Char('/') + key);
    }
    void write(const QString &section, const QString &key, const QString &text) override
    {
        values.insert(section + QLatin1Char('/') + key, text);
        writes << key;
    }
    bool commit() override
    {
        ++commits;
        return !failCommits;
    }
    bool update(const std::function<void()> &change) override
    {
        change();
        return commit();
    }
    QString location() const override { return QStringLiteral("memory"); }

    QMap<QString, QString> values;
    QStringList writes;
    int commits = 0;
    bool failCommits = false;
};
