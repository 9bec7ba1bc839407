#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Where the platform records its system-information program. The two
// lookups are tried in this order.
class SystemInfoLookup {
  public:
    virtual ~SystemInfoLookup() = default;

    // The program's full path as the system names it. It is started
    // without a test: whoever configured it knows where it is. An empty
    // path stands for a configured program that names nothing to start.
    virtual std::optional<QString> configuredProgram() = 0;

    // Where the program is expected when none is configured: full paths,
    // each tested for an existing file before it is started. No value
    // means the system names no such place.
    virtual std::optional<QStringList> programCandidates() = 0;
};

// Starts a program by its path, without a shell and without waiting.
class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    virtual bool startDetached(const QString &path) = 0;
};

// Finds and starts the system-information program. False when none was
// found or starting it failed: the caller then tells the user.
bool startSystemInfo(SystemInfoLookup &lookup, ProgramStarter &starter);

// True when the path names an existing file that is not a folder.
[[nodiscard]] bool isNormalFile(const QString &path);
