// The yardstick of the start-up benchmark: the least a Qt Widgets program
// does to put text on the screen, one window with one label, measured and
// ended the same way as the quiz with --startuptime FILE.
#include "core/common/StartupTrace.h"

#include <QApplication>
#include <QLabel>

#include <cstring>

int main(int argc, char *argv[])
{
    QString file;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--startuptime") == 0)
            file = QString::fromLocal8Bit(argv[i + 1]);
    }
    StartupTrace trace(file);
    QApplication app(argc, argv);
    trace.mark("application created");
    QLabel label(QStringLiteral("What's The Definition of: Overwatering"));
    trace.mark("window created");
    label.show();
    trace.finishOnFirstPaint(label);
    return app.exec();
}
