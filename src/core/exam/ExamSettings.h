#pragma once

#include <vector>

class QString;
class SettingsStore;
struct BankEntry;

// The student's last choices for a practice exam, kept in the per-user
// settings, section [exam]. A missing or malformed value reads as its
// default, so a first exam is 50 questions in 60 minutes with 75 % to pass.
struct ExamSettings {
    static constexpr int MaxQuestions = 600;
    static constexpr int MaxMinutes = 600;

    int questions = 50;
    int minutes = 60; // 0: no time limit
    int passMark = 75;
    // The wordings left out, by their number in the bank (0: no wording);
    // the list of what is left out, so that every wording is in by default.
    std::vector<int> excludedWordings;

    static ExamSettings load(const SettingsStore &store);
    // False when the values did not reach the store.
    [[nodiscard]] bool save(SettingsStore &store) const;

    // The number of a question's wording: its place among the bank's
    // wordings, 0 for none or one the bank does not name.
    static int wordingNumber(const QString &wording);
    [[nodiscard]] bool includes(const BankEntry &entry) const;

    bool operator==(const ExamSettings &) const = default;
};
