#include "TestMain.h"

#include <QCoreApplication>

// The rules run without a display: a QCoreApplication, as the command line has.
int main(int argc, char **argv)
{
    return runAllTests<QCoreApplication>(argc, argv);
}
