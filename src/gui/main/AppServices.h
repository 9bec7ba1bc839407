#pragma once

class CuePlayer;
class FileDialogs;
class LearningRecord;
class MessageBoxes;
class ProgramEnd;
class RandomSource;
class SettingsStore;

// The platform services the main window works through. The program passes
// the real ones; tests pass fakes where a person or a device would be needed.
struct AppServices {
    CuePlayer &sound;
    MessageBoxes &boxes;
    ProgramEnd &end;
    RandomSource &random;
    SettingsStore &settings;
    // The learning record; none when the program runs without one.
    LearningRecord *record = nullptr;
    // The file and folder choosers; the platform's own when none is given.
    FileDialogs *files = nullptr;
};
