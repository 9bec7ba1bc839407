#pragma once

#include "QtPrinters.h"
#include "quiz/QuizEffects.h"
#include "quiz/RandomSource.h"
#include "scores/SettingsStore.h"
#include "shell/AppServices.h"
#include "shell/CuePlayer.h"
#include "shell/MessageBoxes.h"
#include "shell/ProgramEnd.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Records every command sent to the sound device.
class FakeSound final : public CuePlayer {
  public:
    void play(const QString &path) override { commands << QStringLiteral("play ") + path; }
    void close() override { commands << QStringLiteral("close"); }
    QStringList commands;
};

// Records every message box and answers it as scripted (Yes by default for
// a question, OK for a notice). A hook may run while the box is "open".
class FakeBoxes final : public MessageBoxes {
  public:
    struct Shown {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };
    int show(QWidget *owner, const QString &text, const QString &title, Buttons buttons,
             Icon icon) override;

    std::vector<Shown> shown;
    std::deque<int> answers;
    std::function<void(const Shown &)> whileOpen;
};

class FakeEnd final : public ProgramEnd {
  public:
    void endNow(int exitCode) override
    {
        ended = true;
        code = exitCode;
    }
    bool ended = false;
    int code = -1;
};

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
    void setTimerOn(bool on) override
    {
        timerOn = on;
        log << (on ? QStringLiteral("timer on") : QStringLiteral("timer off"));
    }
    void showMessage(const QString &text, const QString &title) override
    {
        log << QStringLiteral("box ") + title + QStringLiteral(" | ") + text;
        if (onMessage)
            onMessage();
    }
    void showHighScores() override
    {
        log << QStringLiteral("high scores");
        if (onHighScores)
            onHighScores();
    }

    QStringList log;
    bool timerOn = false;
    std::function<void()> onMessage;
    std::function<void()> onHighScores;
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
    QString location() const override { return QStringLiteral("memory"); }

    QMap<QString, QString> values;
    QStringList writes;
    int commits = 0;
    bool failCommits = false;
};

// A full set of fake services.
struct FakeServices {
    FakeSound sound;
    FakeBoxes boxes;
    FakeEnd end;
    SeededRandom random;
    MemorySettings settings;
    AppServices services() { return AppServices{sound, boxes, end, random, settings}; }
};
