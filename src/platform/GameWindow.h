#pragma once

#include <QDialog>

// What every game window owes the launcher: it runs modally, and when it closes it saves its
// settings, ends its modal loop with Cancel and shows the launcher again.
class GameWindow : public QDialog
{
    Q_OBJECT
public:
    explicit GameWindow(QWidget *parent = nullptr);

    // Esc closes the window the same way the close box does.
    void reject() override;

protected:
    // Asked before the window closes; false keeps it open (a "quit?" question, say).
    virtual bool mayClose() { return true; }
    virtual void saveSettings() { }

    void closeEvent(QCloseEvent *event) override;
};
