#pragma once

// A skinned tree on the shared test window, for the list tests: built from
// markup, attached, laid out by a real paint, with every notification kept.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ui/controls/UIList.h"
#include "ui/controls/UIListHeader.h"
#include "ui/core/window/UILayoutBuilder.h"
#include "ui_test_window.h"

struct SeenNotify {
    std::wstring type;
    SkinUI::CControlUI* sender;
    WPARAM wParam;
    LPARAM lParam;
};

class NotifyLog : public SkinUI::INotifyUI {
public:
    // Focus changes that clicks bring are left out.
    void Notify(SkinUI::NotifyMsg& msg) override {
        if (msg.type == L"setfocus" || msg.type == L"killfocus") {
            return;
        }
        seen.push_back(SeenNotify{msg.type.GetData(), msg.sender, msg.wParam, msg.lParam});
    }
    std::vector<std::wstring> Types() const {
        std::vector<std::wstring> types;
        for (const SeenNotify& notify : seen) {
            types.push_back(notify.type);
        }
        return types;
    }
    std::vector<SeenNotify> seen;
};

class SkinnedTree {
public:
    // `source` is markup or a resource number of type "XML", built for a window of `dpi`.
    explicit SkinnedTree(LPCWSTR source, int dpi = 96) {
        manager().SetDpi(dpi);
        SkinUI::CLayoutBuilder builder;
        root = builder.Create(source, IS_INTRESOURCE(source) ? L"XML" : nullptr, nullptr, &manager());
        manager().AttachRoot(root);
        manager().AddNotifier(&log);
        Settle();
    }
    ~SkinnedTree() { manager().RemoveNotifier(&log); }
    SkinnedTree(const SkinnedTree&) = delete;
    SkinnedTree& operator=(const SkinnedTree&) = delete;

    SkinUI::CUIManager& manager() { return windowed.manager; }
    HWND Window() const { return windowed.window.Handle(); }

    // Lays out and paints what is pending, delivers what was queued, forgets the notifications.
    void Settle() {
        ::InvalidateRect(Window(), nullptr, FALSE);
        ::UpdateWindow(Window());
        windowed.window.PumpMessages();
        log.seen.clear();
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(Window(), message, wParam, lParam);
    }
    void Click(POINT at) {
        Send(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    void Key(WPARAM key) { Send(WM_KEYDOWN, key, 0); }

    template <typename Control>
    Control* Find(LPCWSTR name) {
        return static_cast<Control*>(manager().FindControlByName(name));
    }
    SkinUI::CListUI* List(LPCWSTR name) {
        return static_cast<SkinUI::CListUI*>(manager().FindControlByName(name)->GetInterface(L"List"));
    }

    WindowedManager windowed;
    SkinUI::CControlUI* root = nullptr;
    NotifyLog log;
};

inline POINT CentreOf(const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
