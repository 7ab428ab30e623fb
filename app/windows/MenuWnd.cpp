#include "app/windows/MenuWnd.h"

#include <cwchar>

#include "app/windows/ArrowCursor.h"
#include "ui/controls/UIList.h"

using namespace SkinUI;

namespace {

// The entries are buttons named "1" to "5"; each sends one command.
constexpr LPCWSTR kCommands[] = {L"copypath", L"charsetmap", L"openfolder", L"copyfontname", L"aboutor"};
constexpr int kEntryCount = 5;

}  // namespace

void CMenuWnd::InitWindow() {
    for (int entry = 1; entry <= kEntryCount; ++entry) {
        wchar_t name[4];
        swprintf(name, 4, L"%d", entry);
        HookArrowCursor(m_manager.FindControlByName(name));
    }
}

void CMenuWnd::Notify(NotifyMsg& msg) {
    if (msg.type == L"itemselect" || msg.type == L"itemclick") {
        Hide();
    } else if (msg.type == L"click") {
        const int entry = msg.sender != nullptr ? _wtoi(msg.sender->GetName()) : 0;
        // Sent after this message, so the menu is already hidden when the main window acts.
        if (entry >= 1 && entry <= kEntryCount && m_target != nullptr && m_target->GetManager() != nullptr) {
            m_target->GetManager()->SendNotify(m_target, kCommands[entry - 1], 0, 0, true, true);
        }
        Hide();
    }
}

void CMenuWnd::Hide() {
    if (m_hwnd == nullptr || !::IsWindow(m_hwnd)) {
        return;
    }
    if (CControlUI* control = m_manager.FindControlByName(L"list_filemenu")) {
        if (auto* list = static_cast<CListUI*>(control->GetInterface(L"List"))) {
            list->SelectItem(-1, false, true);
        }
    }
    ::ShowWindow(m_hwnd, SW_HIDE);
}

LRESULT CMenuWnd::OnKillFocus(UINT, WPARAM, LPARAM, bool& handled) {
    Hide();
    handled = false;
    return 0;
}

LRESULT CMenuWnd::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
    // Escape and other close requests only put the menu away.
    Hide();
    handled = true;
    return 0;
}
