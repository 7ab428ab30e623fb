#pragma once

#include <windows.h>

#include "ui/core/control/UIEvents.h"

namespace SkinUI {

class CNotifyPump;

// One handler of a notify map: a notification type, optionally limited to
// the control of one name, and a member function of the declaring class.
struct NotifyMapEntry {
    enum Signature { kEnd = 0, kParams = 1, kMessage = 2 };

    LPCWSTR type;
    LPCWSTR controlName;  // empty: any control
    int signature;
    void (CNotifyPump::*onParams)(WPARAM, LPARAM);
    void (CNotifyPump::*onMessage)(NotifyMsg&);
};

// A class's handlers, linked to those of its base class.
struct NotifyMap {
    const NotifyMap* base;
    const NotifyMapEntry* entries;  // ends with a kEnd entry
};

// A handler for `type` notifications, from any control or from `controlName` only.
template <class Declaring>
NotifyMapEntry NotifyHandler(LPCWSTR type, void (Declaring::*handler)(NotifyMsg&), LPCWSTR controlName = L"") {
    return {type, controlName, NotifyMapEntry::kMessage, nullptr,
            static_cast<void (CNotifyPump::*)(NotifyMsg&)>(handler)};
}

template <class Declaring>
NotifyMapEntry NotifyParamsHandler(LPCWSTR type, void (Declaring::*handler)(WPARAM, LPARAM),
                                   LPCWSTR controlName = L"") {
    return {type, controlName, NotifyMapEntry::kParams, static_cast<void (CNotifyPump::*)(WPARAM, LPARAM)>(handler),
            nullptr};
}

inline NotifyMapEntry EndOfNotifyMap() {
    return {L"", L"", NotifyMapEntry::kEnd, nullptr, nullptr};
}

// Dispatches notifications to handler methods through static maps, most
// derived class first: a class overrides GetNotifyMap with a map whose base
// is its base class's map.
class CNotifyPump {
public:
    virtual ~CNotifyPump() = default;

    virtual const NotifyMap* GetNotifyMap() const;
    // Notifications without a handler are dropped.
    void NotifyPump(NotifyMsg& msg);
    bool LoopDispatch(NotifyMsg& msg);

    static const NotifyMap* ClassNotifyMap();
};

}  // namespace SkinUI
