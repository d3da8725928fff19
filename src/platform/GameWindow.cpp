#include "GameWindow.h"

#include "Application.h"

#include <QCloseEvent>

GameWindow::GameWindow(QWidget *parent)
    : QDialog(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{ }

void GameWindow::reject()
{
    close();
}

void GameWindow::closeEvent(QCloseEvent *event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    saveSettings();
    done(QDialog::Rejected);
    if (QWidget *launcher = mainWindow())
        launcher->show();
    event->accept();
}
