#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/core/base/UIPtrArray.h"
#include "ui/core/base/UIString.h"
#include "ui/core/base/UIStringMap.h"
#include "ui/core/control/UIEvents.h"
#include "ui/core/manager/UIControlTimers.h"
#include "ui/core/manager/UIManagerInterfaces.h"
#include "ui/core/manager/UIManagerTextHost.h"
#include "ui/core/manager/UIPaintPipeline.h"
#include "ui/core/resources/UIArchive.h"
#include "ui/core/resources/UIFontEntry.h"
#include "ui/core/resources/UIImageEntry.h"
#include "ui/core/resources/UIResourceTables.h"
#include "ui/core/resources/UIWindowAttributes.h"

namespace SkinUI {

class CControlUI;

// Posted to a manager's window to deliver queued notifications and destroy
// detached controls once the current message is done.
constexpr UINT WM_UI_ASYNC = WM_APP + 1;

// The per-window hub of the framework: owns the attached control tree, turns
// the window's messages into UIEvents for its controls, delivers the
// controls' notifications to the listeners, and holds the window's
// resources, timers and focus.
class CUIManager final : private IPaintHost, private IWindowAttributeTarget {
public:
    CUIManager();
    CUIManager(const CUIManager&) = delete;
    CUIManager& operator=(const CUIManager&) = delete;
    ~CUIManager();

    void Init(HWND hwnd, LPCWSTR name = nullptr);
    HWND GetPaintWindow() const override { return m_hwnd; }
    HDC GetPaintDC() const override { return m_paintDC; }
    LPCWSTR GetName() const { return m_name; }
    POINT GetMousePos() const { return m_lastMouse; }

    // The tree. A tree that is replaced or handed to DeferDestroy is destroyed
    // on the next WM_UI_ASYNC (or with the manager).
    bool AttachRoot(CControlUI* control);
    CControlUI* GetRoot() const override { return m_root; }
    // Attaches a subtree below `parent` (its current parent when null) and
    // enters its named controls into the name index.
    bool AttachControls(CControlUI* control, CControlUI* parent = nullptr);
    // Drops every reference the manager holds to a control being destroyed.
    void ForgetControl(CControlUI* control);
    void DeferDestroy(CControlUI* control);
    // The topmost visible control under a point of the client area.
    CControlUI* FindControl(POINT point) const;
    CControlUI* FindControlByName(LPCWSTR name);
    // Searches below `parent` (the root when null), ignoring case.
    CControlUI* FindSubControlByName(CControlUI* parent, LPCWSTR name) const;
    // Called by a control that already carries its new name.
    void RenameControl(CControlUI* control, LPCWSTR oldName);

    // Layout and repaint requests.
    void SetUpdateNeeded() { m_updateNeeded = true; }
    // Between the two, what controls invalidate is gathered and handed to the
    // window once: for code that changes many controls at a time.
    void BeginInvalidateBatch() { m_paint.BeginInvalidateBatch(); }
    void EndInvalidateBatch() { m_paint.EndInvalidateBatch(); }
    // Remembers a control that asked for a layout (CControlUI::NeedUpdate).
    void RequestLayout(CControlUI* control);
    // Lays out at once what asked for a layout, as the next paint would.
    void LayOutPending();
    bool IsUpdateNeeded() const override { return m_updateNeeded; }
    void Invalidate();
    void Invalidate(const RECT& rect);
    bool IsPainting() const { return m_paint.IsPainting(); }

    // Composition of the window; the paint pipeline does the work.
    void SetShowDirty(bool show) override { m_paint.SetShowDirty(show); }
    void SetLayered(bool layered) override { m_paint.SetLayered(layered); }
    bool IsLayered() const { return m_paint.IsLayered(); }
    void SetOpacity(BYTE opacity) override { m_paint.SetOpacity(opacity); }
    void SetLayeredOpacity(BYTE opacity) override { m_paint.SetLayeredOpacity(opacity); }
    void SetLayeredImage(LPCWSTR description) override { m_paint.SetLayeredImage(description); }
    bool AddNativeWindow(CControlUI* control, HWND window) { return m_paint.AddNativeWindow(control, window); }
    bool RemoveNativeWindow(HWND window) { return m_paint.RemoveNativeWindow(window); }
    // A snapshot of the tree as a bottom-up 32-bit DIB owned by the caller.
    HBITMAP RenderToBitmap(const RECT& rect, CControlUI* stopControl = nullptr, DWORD backgroundColor = 0) {
        return m_paint.RenderToBitmap(rect, stopControl, backgroundColor);
    }

    // Keyboard focus and tab order.
    CControlUI* GetFocus() const { return m_focus; }
    void SetFocus(CControlUI* control, bool activateWindow = true);
    // Focus goes to the tab stop before `control` and moves on to it with
    // the first Tab after the next layout.
    void SetFocusNeeded(CControlUI* control);
    bool MoveTabFocus(bool forward);
    void SetNoActivate(bool noActivate) override { m_noActivate = noActivate; }
    bool IsNoActivate() const { return m_noActivate; }

    // The mouse capture of the window.
    void SetCapture();
    void ReleaseCapture();
    bool IsCaptured() const { return m_mouseCaptured; }

    // Timers of controls, by the control's own identifier.
    bool SetTimer(CControlUI* control, UINT timerId, UINT elapse);
    bool KillTimer(CControlUI* control, UINT timerId);
    void KillTimers(CControlUI* control);
    void RemoveAllTimers();
    // Milliseconds between ticks of a running timer; 0 when it is not running.
    UINT GetTimerElapse(const CControlUI* control, UINT timerId) const;

    // Listeners and filters; an add ignores null, a remove drops the first equal entry.
    bool AddNotifier(INotifyUI* notifier);
    bool RemoveNotifier(INotifyUI* notifier);
    bool AddMessageFilter(IMessageFilterUI* filter);
    bool RemoveMessageFilter(IMessageFilterUI* filter);
    bool AddPreMessageFilter(IMessageFilterUI* filter);
    bool RemovePreMessageFilter(IMessageFilterUI* filter);
    bool AddTranslateAccelerator(ITranslateAccelerator* accelerator);
    bool RemoveTranslateAccelerator(ITranslateAccelerator* accelerator);

    // Synchronous delivery, or queued until after the current message; a
    // queued report without repeat refreshes a pending one of the same
    // sender and name instead of adding another.
    void SendNotify(NotifyMsg& msg, bool async = false, bool allowRepeat = true);
    void SendNotify(CControlUI* control, LPCWSTR type, WPARAM wParam = 0, LPARAM lParam = 0, bool async = false,
                    bool allowRepeat = true);
    void UseVirtualWindows(bool use) { m_useVirtualWindows = use; }
    bool IsUsingVirtualWindows() const { return m_useVirtualWindows; }

    // True when the message was handled completely and `result` is its result.
    bool MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Keyboard handling before dispatch: filters, Tab, Alt keys.
    bool PreMessageHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Runs until WM_QUIT (its wParam is returned) or until GetMessageW fails.
    static int MessageLoop();
    // True when a manager's accelerators or keyboard handling consumed the message.
    static bool TranslateMessage(const LPMSG msg);

    // Controls whose DoPostPaint runs after the tree has been painted.
    bool AddPostPaint(CControlUI* control);
    bool RemovePostPaint(CControlUI* control);
    int GetPostPaintCount() const override { return m_postPaintControls.GetSize(); }
    CControlUI* GetPostPaint(int index) const override;
    // Controls that also receive the mouse-leave of the hovered control.
    bool AddLeaveWatch(CControlUI* control);
    bool RemoveLeaveWatch(CControlUI* control);

    // Option buttons that exclude each other, by group name.
    bool AddOptionGroup(LPCWSTR groupName, CControlUI* control);
    CPtrArray* GetOptionGroup(LPCWSTR groupName);
    void RemoveOptionGroup(LPCWSTR groupName, CControlUI* control);
    void RemoveAllOptionGroups();

    // Resources: the window's own table first, then the shared one.
    IRichTextHost& GetTextHost() { return m_textHost; }
    void SetSharedResources(bool useShared) { m_resources.SetSharedResources(useShared); }
    // A popup showing controls of `lender`'s window looks up what it lacks
    // there before the shared tables, and takes its colours. The lender must
    // outlive this manager or be unset (null) first.
    void BorrowResourcesFrom(CUIManager* lender) {
        m_resources.BorrowFrom(lender != nullptr ? &lender->m_resources : nullptr);
    }
    HFONT AddFont(int id, LPCWSTR faceName, int size, bool bold, bool underline, bool italic, bool shared = false);
    HFONT GetFont(int id);
    HFONT FindFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic);
    FontEntry* GetFontInfo(int id);
    FontEntry* GetFontInfo(HFONT font);
    void SetDefaultFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic, bool shared = false);
    FontEntry* GetDefaultFontInfo();
    void RemoveAllFonts(bool shared = false);
    ImageEntry* AddImage(LPCWSTR name, LPCWSTR type = nullptr, DWORD mask = 0, bool useHsl = false,
                         bool shared = false);
    ImageEntry* GetImage(LPCWSTR name);
    ImageEntry* GetOrLoadImage(LPCWSTR name, LPCWSTR type = nullptr, DWORD mask = 0, bool useHsl = false);
    void RemoveAllImages(bool shared = false);
    void AddClassDefaults(LPCWSTR className, LPCWSTR attributes, bool shared = false);
    LPCWSTR GetClassDefaults(LPCWSTR className);
    void RemoveAllDefaultAttributeList(bool shared = false);
    void SetDefaultDisabledColor(DWORD color, bool shared = false) override;
    void SetDefaultFontColor(DWORD color, bool shared = false) override;
    void SetDefaultLinkFontColor(DWORD color, bool shared = false) override;
    void SetDefaultLinkHoverFontColor(DWORD color, bool shared = false) override;
    void SetDefaultSelectedColor(DWORD color, bool shared = false) override;
    DWORD GetDefaultDisabledColor() const { return m_resources.GetDefaultDisabledColor(); }
    DWORD GetDefaultFontColor() const { return m_resources.GetDefaultFontColor(); }
    DWORD GetDefaultLinkFontColor() const { return m_resources.GetDefaultLinkFontColor(); }
    DWORD GetDefaultLinkHoverFontColor() const { return m_resources.GetDefaultLinkHoverFontColor(); }
    DWORD GetDefaultSelectedColor() const { return m_resources.GetDefaultSelectedColor(); }
    static void AddLanguageString(int id, LPCWSTR text);
    static LPCWSTR GetLanguageString(int id);
    static void ProcessLanguageTokens(CUIString& text);

    // The attributes of a skin's root element.
    // The window's dots per inch. Skins and the setters of lengths speak
    // 96-DPI units; positions, events and the getters of lengths are in the
    // window's pixels. A new DPI makes the fonts anew and lays the tree out again.
    int GetDpi() const override { return m_dpi; }
    void SetDpi(int dpi);
    // 96-DPI units to the window's pixels, and back.
    int Scale(int length) const;
    RECT Scale(const RECT& lengths) const;
    SIZE Scale(SIZE lengths) const;
    int Unscale(int pixels) const;

    void SetWindowAttribute(LPCWSTR name, LPCWSTR value);
    void AddWindowCustomAttribute(LPCWSTR name, LPCWSTR value);
    LPCWSTR GetWindowCustomAttribute(LPCWSTR name);
    void RemoveAllWindowCustomAttributes();
    // The window settings of the skin, in the window's pixels.
    SIZE GetInitSize() const { return Scale(m_windowAttributes.GetInitSize()); }
    SIZE GetMinInfo() const { return Scale(m_windowAttributes.GetMinInfo()); }
    SIZE GetMaxInfo() const { return Scale(m_windowAttributes.GetMaxInfo()); }
    RECT GetSizeBox() const { return Scale(m_windowAttributes.GetSizeBox()); }
    RECT GetCaptionRect() const { return Scale(m_windowAttributes.GetCaptionRect()); }
    SIZE GetRoundCorner() const { return Scale(m_windowAttributes.GetRoundCorner()); }

    // Where resources are read from, for the whole process.
    static void SetInstance(HINSTANCE instance);
    static HINSTANCE GetInstance();
    static HINSTANCE GetResourceInstance();
    static CUIString GetInstancePath();
    static void SetResourcePath(LPCWSTR path);
    static const CUIString& GetResourcePath();
    static void SetResourceZip(LPCWSTR name, bool cached = true);
    static void SetResourceZip(const void* bytes, size_t length);
    static const CUIString& GetResourceZip();
    static bool IsCachedResourceZip();
    static ArchiveHandle GetResourceZipHandle();

    // Framework-wide colour adjustment of controls with "colorhsl" (neutral: 180, 100, 100).
    static void SetHSL(short hue, short saturation, short lightness);
    static void GetHSL(short* hue, short* saturation, short* lightness);

private:
    // Marks a stack frame that calls out to controls or listeners: when the
    // manager is destroyed meanwhile the frame sees it and touches nothing,
    // and when the watched control is destroyed it reads null.
    class CLifeGuard {
    public:
        explicit CLifeGuard(CUIManager& manager, CControlUI* watched = nullptr);
        ~CLifeGuard();
        CLifeGuard(const CLifeGuard&) = delete;
        CLifeGuard& operator=(const CLifeGuard&) = delete;
        bool IsAlive() const { return m_manager != nullptr; }
        CControlUI* Watched() const { return m_watched; }

    private:
        friend class CUIManager;
        CUIManager* m_manager;
        CControlUI* m_watched;
        CLifeGuard* m_next;
    };

    bool TakeUpdateRequest() override;
    void LayOutRequests() override;
    void ChoosePendingFocus() override;
    void NotifyWindowInit(CControlUI* root) override { SendNotify(root, L"windowinit"); }

    static CControlUI* IndexName(CControlUI* control, LPVOID manager);
    bool IsInAttachedTree(CControlUI* control) const;
    void ForgetInNameIndex(CControlUI* control);
    void ForgetInOptionGroups(CControlUI* control);

    // Input.
    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    UIEvent MakeEvent(int type, CControlUI* sender, WPARAM wParam, LPARAM lParam) const;
    // False when the manager did not survive the delivery.
    bool DeliverEvent(CControlUI* control, const UIEvent& event);
    CControlUI* OwnControlAt(POINT point) const;
    CControlUI* PressedControl(LPARAM lParam);
    void OnClose();
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    bool OnMouseHover(WPARAM wParam, LPARAM lParam);
    void OnMouseLeave();
    void OnButtonDown(WPARAM wParam, LPARAM lParam);
    void OnDoubleClick(WPARAM wParam, LPARAM lParam);
    void OnButtonUp(WPARAM wParam, LPARAM lParam);
    // WM_CAPTURECHANGED and WM_CANCELMODE: the captured control's press ends
    // with UIEVENT_CANCELPRESS instead of a button-up.
    void OnCaptureChanged(HWND newOwner);
    void OnCancelMode();
    void CancelPress();
    void OnRightButtonDown(WPARAM wParam, LPARAM lParam);
    void OnContextMenu(WPARAM wParam, LPARAM lParam);
    void OnMouseWheel(WPARAM wParam, LPARAM lParam);
    void OnKey(int type, WPARAM wParam, LPARAM lParam);
    bool OnSetCursor(WPARAM wParam, LPARAM lParam);
    void OnKillFocus(WPARAM wParam);
    void OnSize(WPARAM wParam, LPARAM lParam);
    void OnTimer(WPARAM wParam, LPARAM lParam);
    void OnGetMinMaxInfo(LPARAM lParam);
    void TakeWindowDpi();
    bool OnDpiChanged(WPARAM wParam, LPARAM lParam);
    bool ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void ArmMouseTracking();
    void ShowToolTip(CControlUI* control, POINT point);
    void HideToolTip();
    bool MoveFocusToShortcut(WCHAR ch);
    // True when one of the manager's accelerators consumed the message.
    bool AskAccelerators(const LPMSG msg);

    // Notifications.
    bool DeliverNotify(NotifyMsg& msg);
    void PostAsyncNotify();
    void DeliverAsyncNotifications();
    void DestroyDeferred();
    void ForgetDeferred(CControlUI* control);
    void FreeAsyncQueue();

    CUIString m_name;
    HWND m_hwnd = nullptr;
    HDC m_paintDC = nullptr;
    CControlUI* m_root = nullptr;
    CControlUI* m_focus = nullptr;
    CControlUI* m_hover = nullptr;
    CControlUI* m_click = nullptr;
    CControlUI* m_keyTarget = nullptr;
    CControlUI* m_toolTipControl = nullptr;
    POINT m_lastMouse = {-1, -1};
    HWND m_toolTipWindow = nullptr;
    TOOLINFOW m_toolInfo = {};
    CUIString m_toolTipText;  // the tooltip window reads the text through m_toolInfo
    int m_lastToolTipWidth = -1;
    UINT m_hoverTime = 1000;
    bool m_noActivate = false;
    bool m_updateNeeded = false;
    bool m_focusNeeded = false;
    bool m_mouseTracking = false;
    bool m_mouseCaptured = false;
    bool m_useVirtualWindows = false;
    bool m_asyncPosted = false;
    int m_dpi = 96;
    int m_handlerDepth = 0;  // MessageHandler calls in progress
    // The keys held for the message in hand, asked of the system once: a
    // pointer move makes up to three events, and each question is a round
    // trip to the window system.
    mutable int m_keyState = -1;
    CLifeGuard* m_guards = nullptr;
    CPtrArray m_notifiers;
    CPtrArray m_messageFilters;
    CPtrArray m_preMessageFilters;
    CPtrArray m_translateAccelerators;
    CPtrArray m_postPaintControls;
    CPtrArray m_deferredDestroy;
    CPtrArray m_destroying;  // the deferred controls being destroyed now; null where one went before its turn
    CPtrArray m_layoutRequests;
    CPtrArray m_asyncNotify;       // owned NotifyMsg records, oldest first
    CPtrArray m_notifyInDelivery;  // messages being handed out right now
    CPtrArray m_leaveWatch;
    CStringMap m_nameIndex;
    CStringMap m_optionGroups;  // group name -> owned CPtrArray
    CControlTimers m_timers;
    CResourceTables m_resources;
    CWindowAttributes m_windowAttributes{*this};
    CManagerTextHost m_textHost{*this};
    CPaintPipeline m_paint{*this, *this};
};

}  // namespace SkinUI
