#pragma once

#include <windows.h>

#include "ui/core/UIEvents.h"
#include "ui/core/UIPtrArray.h"
#include "ui/core/UIFontEntry.h"
#include "ui/core/UIString.h"
#include "ui/core/UIStringMap.h"

namespace SkinUI {

class CControlUI;

// Receives every notification of a manager.
class INotifyUI {
public:
    virtual void Notify(NotifyMsg& msg) = 0;

protected:
    ~INotifyUI() = default;
};

// Posted to a manager's window to deliver queued notifications and destroy
// detached controls once the current message is done.
constexpr UINT WM_UI_ASYNC = WM_APP + 1;

// The per-window hub of the framework: owns the attached control tree, keeps
// the name index, the focus and the repaint requests, and delivers the
// controls' notifications to the listeners.
class CUIManager {
public:
    CUIManager();
    CUIManager(const CUIManager&) = delete;
    CUIManager& operator=(const CUIManager&) = delete;
    ~CUIManager();

    void Init(HWND hwnd, LPCWSTR name = nullptr);
    HWND GetPaintWindow() const { return m_hwnd; }
    HDC GetPaintDC() const { return m_paintDC; }
    LPCWSTR GetName() const { return m_name; }
    POINT GetMousePos() const { return m_lastMouse; }

    // The tree. A tree that is replaced or handed to DeferDestroy is destroyed
    // on the next WM_UI_ASYNC (or with the manager).
    bool AttachRoot(CControlUI* control);
    CControlUI* GetRoot() const { return m_root; }
    // Attaches a subtree below `parent` (its current parent when null) and
    // enters its named controls into the name index.
    bool AttachControls(CControlUI* control, CControlUI* parent = nullptr);
    // Drops every reference the manager holds to a control being destroyed.
    void ForgetControl(CControlUI* control);
    void DeferDestroy(CControlUI* control);
    // The topmost visible control under a point of the client area.
    CControlUI* FindControl(POINT point) const;
    CControlUI* FindControlByName(LPCWSTR name);
    // Called by a control that already carries its new name.
    void RenameControl(CControlUI* control, LPCWSTR oldName);

    // Layout and repaint requests.
    void SetUpdateNeeded() { m_updateNeeded = true; }
    bool IsUpdateNeeded() const { return m_updateNeeded; }
    void Invalidate();
    void Invalidate(const RECT& rect);

    CControlUI* GetFocus() const { return m_focus; }
    void SetFocus(CControlUI* control, bool activateWindow = true);

    bool AddNotifier(INotifyUI* notifier);
    bool RemoveNotifier(INotifyUI* notifier);
    void SendNotify(NotifyMsg& msg, bool async = false, bool allowRepeat = true);
    void SendNotify(CControlUI* control, LPCWSTR type, WPARAM wParam = 0, LPARAM lParam = 0, bool async = false,
                    bool allowRepeat = true);
    void UseVirtualWindows(bool use) { m_useVirtualWindows = use; }
    bool IsUsingVirtualWindows() const { return m_useVirtualWindows; }

    // True when the message was handled completely and `result` is its result.
    bool MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Controls whose DoPostPaint runs after the tree has been painted.
    bool AddPostPaint(CControlUI* control);
    bool RemovePostPaint(CControlUI* control);
    int GetPostPaintCount() const { return m_postPaintControls.GetSize(); }
    CControlUI* GetPostPaint(int index) const;
    // Controls that also receive the mouse-leave of the hovered control.
    bool AddLeaveWatch(CControlUI* control);
    bool RemoveLeaveWatch(CControlUI* control);

    // Default attribute lists applied to controls of a class before their own.
    void AddClassDefaults(LPCWSTR className, LPCWSTR attributes);
    LPCWSTR GetClassDefaults(LPCWSTR className);
    FontEntry* GetDefaultFontInfo();
    // The font of a skin font id; the default font for an unknown id.
    HFONT GetFont(int id);

    // Framework-wide colour adjustment of controls with "colorhsl" (neutral: 180, 100, 100).
    static void SetHSL(short hue, short saturation, short lightness);
    static void GetHSL(short* hue, short* saturation, short* lightness);

private:
    static CControlUI* IndexName(CControlUI* control, LPVOID manager);
    bool IsInAttachedTree(CControlUI* control) const;
    void DeliverNotify(NotifyMsg& msg);
    void PostAsyncNotify();
    void DeliverAsyncNotifications();
    void DestroyDeferred();
    void FreeAsyncQueue();
    void RemoveAllClassDefaults();
    void MeasureFont(FontEntry& entry);

    CUIString m_name;
    HWND m_hwnd = nullptr;
    HDC m_paintDC = nullptr;
    CControlUI* m_root = nullptr;
    CControlUI* m_focus = nullptr;
    POINT m_lastMouse = {-1, -1};
    bool m_updateNeeded = false;
    bool m_useVirtualWindows = false;
    bool m_asyncPosted = false;
    CPtrArray m_notifiers;
    CPtrArray m_postPaintControls;
    CPtrArray m_deferredDestroy;
    CPtrArray m_asyncNotify;  // owned NotifyMsg records, oldest first
    CPtrArray m_leaveWatch;
    CStringMap m_nameIndex;
    CStringMap m_classDefaults;  // class name -> owned CUIString
};

}  // namespace SkinUI
