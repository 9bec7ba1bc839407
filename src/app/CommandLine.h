#pragma once

#include <QString>
#include <QStringList>

class HttpFetcher;

// What the program was asked to do on its command line. Without arguments
// it opens its window as it always has; the options serve bank authors
// (--check-bank), packagers (--help, --version) and the start-up benchmark
// (--startuptime), administrators (--update-bank) and whoever keeps their
// questions elsewhere (--import, --export-bank). Everything but the window
// runs without a display, so the command line is read before any application object exists.
class CommandLine {
  public:
    enum class Mode {
        Window,
        Help,
        Version,
        CheckBank,
        CheckModules,
        UpdateBank,
        Import,
        ExportBank,
        Invalid
    };

    // The arguments after the program name.
    [[nodiscard]] static CommandLine parse(const QStringList &arguments);
    [[nodiscard]] static CommandLine parse(int argc, const char *const *argv);

    [[nodiscard]] Mode mode() const { return m_mode; }
    // CheckBank: the folder to check; empty means the program's folder.
    // Window: the bank to start on (--bank); empty means the program's.
    // ExportBank: the bank to export.
    [[nodiscard]] const QString &bankFolder() const { return m_bankFolder; }
    // Import: the file of questions and the folder to make the bank in.
    [[nodiscard]] const QString &importFile() const { return m_importFile; }
    [[nodiscard]] const QString &intoFolder() const { return m_intoFolder; }
    // ExportBank: the spreadsheet file to write.
    [[nodiscard]] const QString &exportFile() const { return m_exportFile; }
    // Window: where to write the start-up times; empty means no measurement.
    [[nodiscard]] const QString &startupTimeFile() const { return m_startupTimeFile; }
    // Invalid: what was wrong, in a few words.
    [[nodiscard]] const QString &problem() const { return m_problem; }

    // CheckModules and UpdateBank are run by the program itself, which has
    // the modules' loader; run() leaves them alone.

    // UpdateBank: the window's download of the bank files, through fetcher
    // from baseUrl into programFolder; out receives the window's texts.
    [[nodiscard]] static int updateBank(HttpFetcher &fetcher, const QString &baseUrl,
                                        const QString &programFolder, QString &out);

    // Runs a mode that needs no window, writing what standard output and
    // standard error would show; returns the exit status.
    [[nodiscard]] int run(const QString &programFolder, QString &out, QString &err) const;

    // Import: reads the file into a new bank; refuses a folder that holds
    // one already and writes nothing on any failure.
    [[nodiscard]] int importQuestions(QString &out, QString &err) const;
    // ExportBank: writes the bank's questions as a spreadsheet file.
    [[nodiscard]] int exportBank(QString &out, QString &err) const;

    // The same on the process's own streams; creates the application object
    // that finding the program's folder needs. A failed write of the output
    // is a failure, not a success.
    [[nodiscard]] int runWithoutWindow(int argc, char **argv) const;

    [[nodiscard]] static QString helpText();
    [[nodiscard]] static QString versionText();
    [[nodiscard]] static QString usageText();

  private:
    static CommandLine invalid(const QString &problem);

    Mode m_mode = Mode::Window;
    QString m_bankFolder;
    QString m_startupTimeFile;
    QString m_importFile;
    QString m_intoFolder;
    QString m_exportFile;
    QString m_problem;
};
