#pragma once

#include <QString>

struct StudySettings;

class QWidget;

// Runs the export of the learning record on a thread of its own, so that
// the window keeps drawing, with a progress window that can cancel it.
// Returns once the export has ended.
class RecordExportRunner {
  public:
    enum class Outcome { Exported, Failed, Cancelled };
    struct Report {
        Outcome outcome = Outcome::Failed;
        QString problem; // when Failed
    };

    // The progress window shows only for an export that takes a while.
    static constexpr int ProgressShownAfterMs = 400;

    [[nodiscard]] static Report run(QWidget *parent, const QString &recordPath,
                                    const QString &target, const StudySettings &study);
};
