#include "Application.h"
#include "LauncherWindow.h"
#include "StartUp.h"

#include <QApplication>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setProgramNames();
    prepareApplication();
    const std::unique_ptr<LauncherWindow> launcher(createWindows());
    launcher->show();
    return QApplication::exec();
}
