#include "FuzzSupport.h"

#include <QCoreApplication>

void startFuzzApplication(int &argc, char **argv)
{
    static QCoreApplication application(argc, argv);
}
