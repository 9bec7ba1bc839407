#pragma once

#include "DownloadPlan.h"

#include <QString>

#include <vector>

// Writes the files of a download all or nothing, through the bank journal:
// whenever the program stops, the next start finds either all the old files
// or all the new ones.
class DownloadWriter {
  public:
    struct Result {
        QString failure;       // empty on success: the file and the system's description
        bool unchanged = true; // false once a file may have been replaced
        bool ok() const { return failure.isEmpty(); }
    };

    static Result write(const std::vector<DownloadPlan::File> &files);
};
