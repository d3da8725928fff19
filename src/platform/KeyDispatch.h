#pragma once

#include <QHash>
#include <QObject>
#include <functional>
#include <initializer_list>

class QWidget;

// The keys a window answers wherever its keyboard focus lies, each running the function its
// click runs. An action answers false when it has nothing to do now, and must then have changed
// nothing: the key goes on to the focused control (a default button takes Return, say). Keys
// held with Ctrl, Alt or Meta are left to the menus.
class KeyDispatch : public QObject
{
    Q_OBJECT
public:
    using Action = std::function<bool()>;

    explicit KeyDispatch(QWidget *window);

    void on(std::initializer_list<int> keys, const Action &action);
    // The digit keys 1..9 and 0 as the places 1..10, up to the last place given.
    void onDigits(int lastPlace, const std::function<bool(int place)> &action);

    // Told of every mouse press in the window, before the pressed control has it.
    std::function<void()> onMousePress;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool inWindow(QObject *object) const;

    QWidget *window;
    QHash<int, Action> actions;
};
