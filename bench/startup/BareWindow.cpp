// The floor for any Qt Widgets program: a window with a menu and three pictures, nothing else.
// It prints the same figures as kovra-startup, from the same probe.

#include "StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    auto *layout = new QHBoxLayout(&window);
    auto *menu = new QMenuBar(&window);
    menu->addMenu(QStringLiteral("File"))
        ->addAction(QStringLiteral("Exit"), &window, &QWidget::close);
    layout->setMenuBar(menu);
    for (const char *picture : {":/tiles/Twelve.jpg", ":/tiles/Golf.jpg", ":/tiles/Poker.jpg"}) {
        auto *label = new QLabel(&window);
        label->setPixmap(QPixmap(QString::fromLatin1(picture)));
        layout->addWidget(label);
    }

    const StartupProbe probe([&](QWindow *) {
        StartupProbe::printUsage("mapped");
        quitWhenSettled();
    });
    window.show();
    return QApplication::exec();
}
