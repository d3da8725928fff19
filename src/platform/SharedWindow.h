#pragma once

// Keeps the program-wide pointer to one of the windows that live for the whole run: it points
// at the window while the window exists and is cleared when the window goes.
template<class Window> class SharedWindowSlot
{
public:
    SharedWindowSlot(Window *&slot, Window *window)
        : slot(slot)
        , window(window)
    {
        slot = window;
    }
    ~SharedWindowSlot()
    {
        if (slot == window)
            slot = nullptr;
    }
    SharedWindowSlot(const SharedWindowSlot &) = delete;
    SharedWindowSlot &operator=(const SharedWindowSlot &) = delete;

private:
    Window *&slot;
    Window *window;
};
