#pragma once

#include "DownloadPlan.h"

#include <QString>

#include <vector>

// Writes the files of a download all or nothing. Each file goes through a
// QSaveFile, so a file is either wholly old or wholly new; all of them are
// written out before the first replaces its old copy, and a replacement
// that fails puts back the files already replaced.
class DownloadWriter {
  public:
    struct Result {
        QString failure;       // empty on success: the file and the system's description
        bool unchanged = true; // false only when a replaced file could not be put back
        bool ok() const { return failure.isEmpty(); }
    };

    static Result write(const std::vector<DownloadPlan::File> &files);
};
