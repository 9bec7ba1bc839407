#include "MainHarness.h"

#include <QApplication>
#include <QDir>
#include <QFile>

void MainHarness::useSampleData()
{
    for (const char *name :
         {"A.zel", "AD.zel", "DV.ZEL", "startup.wav", "bad.wav", "yea.wav", "zel2.jpg"})
        dir.copyData(QLatin1String(name));
}

void MainHarness::writeBank(int entries)
{
    writeBank(dir.path(), entries, "T");
}

void MainHarness::writeBank(const QString &folder, int entries, const QByteArray &prefix)
{
    QByteArray a;
    QByteArray ad;
    for (int i = 1; i <= entries; ++i) {
        a += prefix + QByteArray::number(i) + "\r\n";
        ad += "4|" + QByteArray::number(i);
        for (int w = 1; w <= 5; ++w)
            ad += "|" + QByteArray::number((i + w - 1) % entries + 1);
        ad += "|\r\n";
    }
    QDir().mkpath(folder);
    for (const auto &[name, bytes] : {std::pair{"A.zel", a}, std::pair{"AD.zel", ad}}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
}

bool MainHarness::start()
{
    main = std::make_unique<MainWindow>(dir.path(), fakes.services());
    if (!withSplash)
        main->setSplashShown(true);
    main->setRequestedBank(requestedBank);
    return main->start().has_value();
}

void MainHarness::show()
{
    main->show();
    QApplication::setActiveWindow(main.get());
    QApplication::processEvents();
}
