// Plays one timed level to its time-out on the real main window and
// countdown, and reports how long the 60 ticks took against 78 s.
// Run headless: QT_QPA_PLATFORM=offscreen bin/bench_countdown
#include "core/quiz/RandomSource.h"
#include "core/scores/QtSettingsStore.h"
#include "gui/main/MainWindow.h"
#include "gui/platform/ProgramEnd.h"
#include "gui/platform/QtMessageBoxes.h"
#include "gui/sound/QtCuePlayer.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QFile a(dir.filePath("A.zel"));
    QFile ad(dir.filePath("AD.zel"));
    if (!a.open(QIODevice::WriteOnly) || !ad.open(QIODevice::WriteOnly))
        return 1;
    for (int i = 1; i <= 10; ++i) {
        a.write("Text " + QByteArray::number(i) + "\r\n");
        ad.write("4|" + QByteArray::number(i) + "|1|2|3|4|5|\r\n");
    }
    a.close();
    ad.close();

    QtCuePlayer sound;
    QtMessageBoxes boxes;
    ImmediateProgramEnd end;
    MersenneRandom random;
    QtSettingsStore settings(dir.filePath("bench.conf"));
    MainWindow window(dir.path(), AppServices{sound, boxes, end, random, settings});
    if (!window.start())
        return 1;
    window.show();

    QElapsedTimer clock;
    std::vector<qint64> ticks;
    QObject::connect(window.findChild<QTimer *>(QStringLiteral("countdown")), &QTimer::timeout,
                     [&] { ticks.push_back(clock.nsecsElapsed()); });
    // exit(), not quit(): quit() would close the window and ask the exit question.
    window.setHighScoresShower([&](std::optional<int>) {
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    });

    window.findChild<QAction *>(QStringLiteral("timedAction"))->trigger();
    clock.start();
    window.findChild<QPushButton *>(QStringLiteral("startStopButton"))->click();
    app.exec();

    if (ticks.size() != 60) {
        std::printf("expected 60 ticks, got %zu\n", ticks.size());
        return 1;
    }
    qint64 worst = 0;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const qint64 ideal = qint64(i + 1) * 1300 * 1000000;
        worst = std::max(worst, std::abs(ticks[i] - ideal));
    }
    std::printf("60 ticks: %.3f ms (ideal 78000 ms), drift %+.3f ms, worst tick offset %.3f ms\n",
                ticks.back() / 1e6, ticks.back() / 1e6 - 78000.0, worst / 1e6);
    return 0;
}
