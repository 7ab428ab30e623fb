#pragma once

#include <windows.h>

#include "ui/core/control/UIEvents.h"

namespace SkinUI {

// Receives every notification of a manager.
class INotifyUI {
public:
    virtual void Notify(NotifyMsg& msg) = 0;

protected:
    ~INotifyUI() = default;
};

// Sees a window message before the manager does; setting `handled` stops
// any further processing and makes the answer the message's result.
class IMessageFilterUI {
public:
    virtual LRESULT MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

protected:
    ~IMessageFilterUI() = default;
};

// Asked by the message loop before a message is translated and dispatched;
// answers 0 when it consumed the message.
class ITranslateAccelerator {
public:
    virtual LRESULT TranslateAccelerator(MSG* msg) = 0;

protected:
    ~ITranslateAccelerator() = default;
};

}  // namespace SkinUI
