#include "FuzzSupport.h"

#include <QGuiApplication>

void startFuzzApplication(int &argc, char **argv)
{
    static QGuiApplication application(argc, argv);
}
