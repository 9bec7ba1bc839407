#include "MainHarness.h"

#include <QApplication>

void MainHarness::useSampleData()
{
    for (const char *name :
         {"A.zel", "AD.zel", "DV.ZEL", "startup.wav", "bad.wav", "yea.wav", "zel2.jpg"})
        dir.copyData(QLatin1String(name));
}

void MainHarness::writeBank(int entries)
{
    QByteArray a;
    QByteArray ad;
    for (int i = 1; i <= entries; ++i) {
        a += "T" + QByteArray::number(i) + "\r\n";
        ad += "4|" + QByteArray::number(i);
        for (int w = 1; w <= 5; ++w)
            ad += "|" + QByteArray::number((i + w - 1) % entries + 1);
        ad += "|\r\n";
    }
    dir.write("A.zel", a);
    dir.write("AD.zel", ad);
}

bool MainHarness::start()
{
    main = std::make_unique<MainWindow>(dir.path(), fakes.services());
    if (!withSplash)
        main->setSplashShown(true);
    return main->start().has_value();
}

void MainHarness::show()
{
    main->show();
    QApplication::setActiveWindow(main.get());
    QApplication::processEvents();
}
