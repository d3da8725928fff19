#include "Application.h"
#include "StartUp.h"
#include "uFo.h"

#include <QApplication>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setProgramNames();
    prepareApplication();
    const std::unique_ptr<TfrmFo> launcher(createWindows());
    launcher->show();
    return QApplication::exec();
}
