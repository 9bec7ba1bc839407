#include "ScoresProperty.h"

#include "core/scores/HighScoreTable.h"
#include "core/scores/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <exception>

namespace ScoresProperty {
namespace {

// Settings files are cached by name and re-read only when their size or
// time stamp changes, so every input gets a name of its own.
QString freshFile()
{
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/zelquiz-scores-XXXXXX")
                                       : QDir::tempPath() +
                                             QStringLiteral("/zelquiz-scores-XXXXXX"));
    static unsigned long long counter = 0;
    return dir.filePath(QStringLiteral("s%1.ini").arg(++counter));
}

QString describe(const HighScorePlace &p)
{
    return QStringLiteral("%1 \"%2\"").arg(p.score).arg(p.name);
}

} // namespace

QString check(const QByteArray &iniFile)
{
    const QString first = freshFile();
    const QString second = freshFile();
    QString failure;
    try {
        {
            QFile f(first);
            if (!f.open(QIODevice::WriteOnly) || f.write(iniFile) != iniFile.size())
                return QStringLiteral("cannot write the input file ") + first;
        }
        HighScoreTable loaded;
        loaded.load(QtSettingsStore(first));

        HighScoreTable again;
        {
            QtSettingsStore store(second);
            if (!loaded.save(store))
                failure = QStringLiteral("the table could not be stored");
        }
        again.load(QtSettingsStore(second));
        for (int p = 1; failure.isEmpty() && p <= HighScoreTable::Places; ++p) {
            const HighScorePlace &a = loaded.place(p);
            const HighScorePlace &b = again.place(p);
            if (a.score != b.score || a.name != b.name)
                failure = QStringLiteral("place %1 was %2, reads back as %3")
                              .arg(p)
                              .arg(describe(a), describe(b));
        }
    } catch (const std::exception &e) {
        failure = QStringLiteral("loading threw: ") + QString::fromLocal8Bit(e.what());
    }
    QFile::remove(first);
    QFile::remove(second);
    return failure;
}

} // namespace ScoresProperty
