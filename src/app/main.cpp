#include "Application.h"
#include "Random.h"
#include "StartUp.h"
#include "uFo.h"

#include <QApplication>
#include <QFont>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setProgramNames();
    // The program's forms were laid out in "MS Sans Serif", which has no clone here.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QApplication::setFont([] {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(13);
        return font;
    }());
    programRandom();
    const std::unique_ptr<TfrmFo> launcher(createWindows());
    launcher->show();
    return QApplication::exec();
}
