#include "DownloadWriter.h"

#include "BankJournal.h"

#include <QFileInfo>

DownloadWriter::Result DownloadWriter::write(const std::vector<DownloadPlan::File> &files)
{
    if (files.empty())
        return {};
    std::vector<QString> names;
    std::vector<QByteArray> contents;
    for (const auto &f : files) {
        names.push_back(f.name);
        contents.push_back(f.bytes);
    }
    // The files of a download all live in the program's folder.
    BankJournal journal(QFileInfo(files.front().path).absolutePath(), std::move(names));
    const BankJournal::Result r = journal.replace(contents);
    return {r.failure, r.unchanged};
}
