#include "TestMain.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char **argv)
{
    return runAllTests<QApplication>(argc, argv, [] {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    });
}
