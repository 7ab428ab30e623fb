#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui_test_window.h"

// One event as a probe control saw it.
struct SeenEvent {
    std::wstring control;
    int type;
    WPARAM wParam;
    WORD keyState = 0;  // not compared: few tests care

    bool operator==(const SeenEvent& other) const {
        return control == other.control && type == other.type && wParam == other.wParam;
    }
};

inline std::ostream& operator<<(std::ostream& out, const SeenEvent& event) {
    out << "{";
    for (wchar_t ch : event.control) {
        out << static_cast<char>(ch);
    }
    return out << ", " << event.type << ", " << event.wParam << "}";
}

// Holds Shift down as GetKeyState sees it, for one scope.
class ShiftHeld {
public:
    ShiftHeld() {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        ::memcpy(state, m_saved, sizeof(state));
        state[VK_SHIFT] = 0x80;
        ::SetKeyboardState(state);
    }
    ~ShiftHeld() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

// A control with a rectangle of its own that writes down every event it gets
// instead of acting on it.
class ProbeControl : public SkinUI::CControlUI {
public:
    ProbeControl(std::vector<SeenEvent>& log, LPCWSTR name, UINT flags, LPCWSTR className)
        : m_log(log), m_flags(flags), m_class(className) {
        SetName(name);
    }
    UINT GetControlFlags() const override { return m_flags; }
    LPCWSTR GetClass() const override { return m_class; }
    bool Activate() override {
        ++activations;
        return true;
    }
    void DoEvent(SkinUI::UIEvent& event) override {
        m_log.push_back(SeenEvent{GetName().GetData(), event.type, event.wParam, event.keyState});
        if (event.type == SkinUI::UIEVENT_SETFOCUS || event.type == SkinUI::UIEVENT_KILLFOCUS) {
            CControlUI::DoEvent(event);
        }
    }
    int activations = 0;

private:
    std::vector<SeenEvent>& m_log;
    UINT m_flags;
    LPCWSTR m_class;
};

// A manager on the shared test window with a root container that covers the
// client area; probes are placed at fixed rectangles inside it.
class ProbeTree {
public:
    ProbeTree() {
        root = new SkinUI::CContainerUI;
        manager().AttachRoot(root);
        root->SetPos(RECT{0, 0, 800, 600});
        ::UpdateWindow(Window());  // the first layout happens now
        windowed.window.PumpMessages();
    }

    SkinUI::CUIManager& manager() { return windowed.manager; }
    HWND Window() const { return windowed.window.Handle(); }

    ProbeControl* Add(LPCWSTR name, RECT rect, UINT flags = 0, LPCWSTR className = L"Control") {
        return Place(new ProbeControl(log, name, flags, className), rect);
    }

    // Puts any control at a fixed rectangle of the tree.
    template <typename Control>
    Control* Place(Control* control, RECT rect) {
        control->SetFloat(true);
        control->SetFixedXY(SIZE{rect.left, rect.top});
        control->SetFixedWidth(rect.right - rect.left);
        control->SetFixedHeight(rect.bottom - rect.top);
        root->Add(control);
        control->SetPos(rect, false);
        return control;
    }

    // Lays out what the additions asked for, so that tab order and hit tests are settled.
    void Settle() {
        ::InvalidateRect(Window(), nullptr, FALSE);
        ::UpdateWindow(Window());
        windowed.window.PumpMessages();
        log.clear();
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(Window(), message, wParam, lParam);
    }
    // A left click at a point, or in the middle of a control.
    void Click(POINT point) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    void Click(const SkinUI::CControlUI* control) {
        const RECT& rect = control->GetPos();
        Click(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }

    // The events of mouse kinds, in order; the focus changes a click brings are left out.
    std::vector<SeenEvent> MouseEvents() const {
        std::vector<SeenEvent> mouse;
        for (const SeenEvent& event : log) {
            if (SkinUI::IsMouseEvent(event.type)) {
                mouse.push_back(event);
            }
        }
        return mouse;
    }

    WindowedManager windowed;
    SkinUI::CContainerUI* root = nullptr;
    std::vector<SeenEvent> log;
};

// Records each notification's name, sender and parameters.
class NotifyRecorder : public SkinUI::INotifyUI {
public:
    struct Seen {
        std::wstring type;
        SkinUI::CControlUI* sender;
        WPARAM wParam;
        LPARAM lParam;
    };
    void Notify(SkinUI::NotifyMsg& msg) override {
        seen.push_back(Seen{msg.type.GetData(), msg.sender, msg.wParam, msg.lParam});
    }
    // "type:name" of each notification whose sender has a name, in order, the
    // focus changes a click brings left out; then forgets them.
    std::vector<std::wstring> Take() {
        std::vector<std::wstring> named;
        for (const Seen& each : seen) {
            const bool focus = each.type == L"setfocus" || each.type == L"killfocus";
            if (!focus && each.sender != nullptr && !each.sender->GetName().IsEmpty()) {
                named.push_back(each.type + L":" + each.sender->GetName().GetData());
            }
        }
        seen.clear();
        return named;
    }
    std::vector<Seen> seen;
};
