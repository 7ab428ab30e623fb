#include "ui/core/window/UINotifyPump.h"

#include <cwchar>

#include "ui/core/control/UIControl.h"

namespace SkinUI {

namespace {

// A handler for exactly this control wins over one for any control of the type.
const NotifyMapEntry* FindEntry(const NotifyMap& map, const NotifyMsg& msg) {
    const CUIString senderName = msg.sender != nullptr ? msg.sender->GetName() : CUIString();
    const NotifyMapEntry* anyControl = nullptr;
    for (const NotifyMapEntry* entry = map.entries; entry->signature != NotifyMapEntry::kEnd; ++entry) {
        if (msg.type != entry->type) {
            continue;
        }
        if (entry->controlName[0] == L'\0') {
            anyControl = entry;
        } else if (senderName == entry->controlName) {
            return entry;
        }
    }
    return anyControl;
}

}  // namespace

const NotifyMap* CNotifyPump::ClassNotifyMap() {
    static const NotifyMapEntry entries[] = {EndOfNotifyMap()};
    static const NotifyMap map = {nullptr, entries};
    return &map;
}

const NotifyMap* CNotifyPump::GetNotifyMap() const {
    return ClassNotifyMap();
}

void CNotifyPump::NotifyPump(NotifyMsg& msg) {
    LoopDispatch(msg);
}

bool CNotifyPump::LoopDispatch(NotifyMsg& msg) {
    for (const NotifyMap* map = GetNotifyMap(); map != nullptr; map = map->base) {
        const NotifyMapEntry* entry = FindEntry(*map, msg);
        if (entry == nullptr) {
            continue;
        }
        if (entry->signature == NotifyMapEntry::kParams) {
            (this->*entry->onParams)(msg.wParam, msg.lParam);
            return true;
        }
        if (entry->signature == NotifyMapEntry::kMessage) {
            (this->*entry->onMessage)(msg);
            return true;
        }
        return false;
    }
    return false;
}

}  // namespace SkinUI
