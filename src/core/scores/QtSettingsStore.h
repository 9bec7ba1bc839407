#pragma once

#include "SettingsStore.h"

#include <QSettings>

// The platform's own per-user settings for application "ZELQuiz": an INI
// file under the user's configuration folder on Linux, the registry on
// Windows.
class QtSettingsStore final : public SettingsStore {
  public:
    QtSettingsStore();
    // An INI file at the given path.
    explicit QtSettingsStore(const QString &iniFile);

    QString read(const QString &section, const QString &key) const override;
    void write(const QString &section, const QString &key, const QString &text) override;
    bool commit() override;
    bool update(const std::function<void()> &change) override;
    QString location() const override { return m_settings.fileName(); }

  private:
    bool inRegistry() const;

    mutable QSettings m_settings;
};
