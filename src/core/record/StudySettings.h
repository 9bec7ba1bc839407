#pragma once

#include <QDate>

class SettingsStore;

// The student's choices for the spaced review, kept in the per-user
// settings, section [study]: how likely a question should still be
// recalled when it comes back, how many unseen questions a day brings in,
// and an exam date that no interval reaches past. A missing or malformed
// value reads as its default.
struct StudySettings {
    static constexpr double MinRetention = 0.80;
    static constexpr double MaxRetention = 0.97;
    static constexpr int MaxNewPerDay = 600;

    double desiredRetention = 0.90;
    int newPerDay = 20;
    QDate examDate; // null: none

    static StudySettings load(const SettingsStore &store);
    // False when the values did not reach the store.
    [[nodiscard]] bool save(SettingsStore &store) const;
    bool operator==(const StudySettings &) const = default;
};
