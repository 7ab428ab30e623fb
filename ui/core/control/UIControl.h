#pragma once

#include <windows.h>

#include <string>

#include "ui/core/base/UIDelegate.h"
#include "ui/core/base/UIString.h"
#include "ui/core/base/UIStringMap.h"
#include "ui/core/control/UIEvents.h"
#include "ui/core/render/UIRender.h"

namespace SkinUI {

class CUIManager;
class CControlUI;

// Tree search flags of FindControl.
enum : UINT {
    UIFIND_ALL = 0x00000000,
    UIFIND_VISIBLE = 0x00000001,
    UIFIND_ENABLED = 0x00000002,
    UIFIND_HITTEST = 0x00000004,  // the search data is a POINT
    UIFIND_UPDATETEST = 0x00000008,
    UIFIND_TOP_FIRST = 0x00000010,
    UIFIND_ME_FIRST = 0x80000000,
};

// Bits of GetControlFlags.
enum : UINT {
    UIFLAG_TABSTOP = 0x01,
    UIFLAG_SETCURSOR = 0x02,
    UIFLAG_WANTRETURN = 0x04,
};

// Offered every visited control of a tree search; a non-null answer ends the search.
using FindControlProc = CControlUI* (*)(CControlUI* control, LPVOID data);

// Fractions of the parent's width and height added to a float control's edges.
struct FloatPercent {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// The base of every control: a rectangle of a window, configured through
// string attributes, painted in five layers and driven by UIEvents.
class CControlUI {
public:
    CControlUI() = default;
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    // Each list is called with the control (OnEvent with the event, OnNotify
    // with the notification) and may stop what follows by answering false.
    CDelegateList OnInit;
    CDelegateList OnDestroy;
    CDelegateList OnSize;
    CDelegateList OnEvent;
    CDelegateList OnNotify;
    CDelegateList OnPaint;
    CDelegateList OnPostPaint;

    // Destroys a control that may be listed by its manager for mouse-leave events.
    virtual void Delete();
    virtual ~CControlUI();

    virtual CUIString GetName() const;
    virtual void SetName(LPCWSTR name);
    virtual LPCWSTR GetClass() const;
    virtual LPVOID GetInterface(LPCWSTR name);
    virtual UINT GetControlFlags() const;
    virtual HWND GetNativeWindow() const;
    virtual bool Activate();

    virtual CUIManager* GetManager() const;
    virtual void SetManager(CUIManager* manager, CControlUI* parent, bool init = true);
    virtual CControlUI* GetParent() const;
    virtual CControlUI* GetCover() const;
    // The control takes ownership of the cover and destroys the previous one.
    virtual void SetCover(CControlUI* control);

    virtual CUIString GetText() const;
    virtual void SetText(LPCWSTR text);

    // Window client coordinates.
    virtual const RECT& GetPos() const;
    virtual RECT GetRelativePos() const;
    virtual RECT GetClientPos() const;
    // A float control takes `rect` relative to its parent.
    virtual void SetPos(RECT rect, bool needInvalidate = true);
    virtual void Move(SIZE offset, bool needInvalidate = true);
    virtual int GetWidth() const;
    virtual int GetHeight() const;
    virtual int GetX() const;
    virtual int GetY() const;
    virtual RECT GetPadding() const;
    virtual void SetPadding(RECT padding);
    virtual SIZE GetFixedXY() const;
    virtual void SetFixedXY(SIZE xy);
    virtual FloatPercent GetFloatPercent() const;
    virtual void SetFloatPercent(FloatPercent percent);
    virtual int GetFixedWidth() const;
    virtual void SetFixedWidth(int width);
    virtual int GetFixedHeight() const;
    virtual void SetFixedHeight(int height);
    virtual int GetMinWidth() const;
    virtual void SetMinWidth(int width);
    virtual int GetMaxWidth() const;
    virtual void SetMaxWidth(int width);
    virtual int GetMinHeight() const;
    virtual void SetMinHeight(int height);
    virtual int GetMaxHeight() const;
    virtual void SetMaxHeight(int height);

    virtual CUIString GetToolTip() const;
    virtual void SetToolTip(LPCWSTR text);
    virtual void SetToolTipWidth(int width);
    virtual int GetToolTipWidth() const;
    virtual WCHAR GetShortcut() const;
    virtual void SetShortcut(WCHAR ch);
    virtual bool IsContextMenuUsed() const;
    virtual void SetContextMenuUsed(bool used);
    virtual CUIString GetUserData() const;
    virtual void SetUserData(LPCWSTR text);
    virtual UINT_PTR GetTag() const;
    virtual void SetTag(UINT_PTR tag);

    virtual bool IsVisible() const;
    // Its own visible flag, whatever its ancestors: hidden only with them, it still counts as shown.
    bool IsSelfVisible() const { return m_visible; }
    virtual void SetVisible(bool visible = true);
    virtual void SetAncestorVisible(bool visible);
    virtual bool IsEnabled() const;
    virtual void SetEnabled(bool enabled = true);
    virtual bool IsMouseEnabled() const;
    virtual void SetMouseEnabled(bool enabled = true);
    virtual bool IsKeyboardEnabled() const;
    virtual void SetKeyboardEnabled(bool enabled = true);
    virtual bool IsFocused() const;
    virtual void SetFocus();
    virtual bool IsFloat() const;
    virtual void SetFloat(bool isFloat = true);

    virtual CControlUI* FindControl(FindControlProc proc, LPVOID data, UINT flags);

    virtual void Init();
    virtual void DoInit();
    virtual void Event(UIEvent& event);
    virtual void DoEvent(UIEvent& event);

    virtual CUIString GetAttribute(LPCWSTR name);
    virtual void SetAttribute(LPCWSTR name, LPCWSTR value);
    virtual CUIString GetAttributeList();
    // Applies `name="value" name="value"`; stops at the first malformed pair.
    virtual void SetAttributeList(LPCWSTR list);

    // The size the control asks for within `available`.
    virtual SIZE MeasureSize(SIZE available);

    // False ends the whole paint pass (the stop control was reached).
    virtual bool Paint(HDC dc, const RECT& paintRect, CControlUI* stopControl);
    virtual bool DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl);
    virtual void PaintBkColor(HDC dc);
    virtual void PaintBkImage(HDC dc);
    virtual void PaintStateImage(HDC dc);
    virtual void PaintText(HDC dc);
    virtual void PaintBorder(HDC dc);
    virtual void DoPostPaint(HDC dc, const RECT& paintRect);

    // 96-DPI units to the pixels of the manager's window, and back; unchanged
    // while the control has no manager.
    int Scaled(int length) const;
    RECT Scaled(const RECT& lengths) const;
    SIZE Scaled(SIZE lengths) const;
    int Unscaled(int pixels) const;

    // Where a float control asks to be inside a parent of this size, relative
    // to the parent's top-left corner.
    RECT GetFloatRect(int parentWidth, int parentHeight) const;

    // Repaints the part of the control that its ancestors leave visible.
    void Invalidate();
    // Asks for a new layout of this control.
    void NeedUpdate();
    // Asks for a new layout of the parent (or of this control without one).
    void NeedParentLayout();
    bool IsUpdateNeeded() const { return m_updateNeeded; }

    DWORD AdjustColor(DWORD color) const;
    DWORD GetBkColor() const { return m_bkColor; }
    void SetBkColor(DWORD color);
    DWORD GetBkColor2() const { return m_bkColor2; }
    void SetBkColor2(DWORD color);
    DWORD GetBkColor3() const { return m_bkColor3; }
    void SetBkColor3(DWORD color);
    LPCWSTR GetBkImage() const { return m_bkImage.text.c_str(); }
    void SetBkImage(LPCWSTR description);
    LPCWSTR GetForeImage() const { return m_foreImage.text.c_str(); }
    void SetForeImage(LPCWSTR description);
    DWORD GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(DWORD color);
    DWORD GetFocusBorderColor() const { return m_focusBorderColor; }
    void SetFocusBorderColor(DWORD color);
    bool IsColorHSL() const { return m_colorHSL; }
    void SetColorHSL(bool colorHSL);
    RECT GetBorderSize() const { return Scaled(m_borderSize); }
    void SetBorderSize(int size);
    void SetBorderSize(RECT sizes);
    int GetBorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int style);
    SIZE GetBorderRound() const { return Scaled(m_borderRound); }
    void SetBorderRound(int width, int height);

    CUIString GetVirtualWnd() const;
    void SetVirtualWnd(LPCWSTR name);

    // Attributes no control understood; the first value of a name is kept.
    void AddCustomAttribute(LPCWSTR name, LPCWSTR value);
    LPCWSTR GetCustomAttribute(LPCWSTR name);
    void RemoveAllCustomAttribute();

protected:
    // Gives one of the control's image records a new attribute string, and
    // repaints when that changed anything.
    void SetImage(ImageDrawInfo& image, LPCWSTR description);

    // A mouse event for a control that takes no mouse input belongs to its
    // parent, or, at the root, to `fallback` (the base class's DoEvent).
    // True when the event was routed so; the caller is then done with it.
    template <typename Fallback>
    bool RouteMouseWhenDisabled(UIEvent& event, Fallback fallback) {
        if (IsMouseEnabled() || !IsMouseEvent(event.type)) {
            return false;
        }
        if (m_parent != nullptr) {
            m_parent->DoEvent(event);
        } else {
            fallback(event);
        }
        return true;
    }
    // Draws an image record over this control's item rectangle, clipped to the
    // part being painted; false when the image cannot be loaded.
    bool DrawImage(HDC dc, ImageDrawInfo& info, const ImageDrawOverride& override = ImageDrawOverride());
    // The tests of FindControl that come before any control is offered.
    bool PassesSearchFilters(FindControlProc proc, LPVOID data, UINT flags);
    // Cuts `rect` by the rectangles of the ancestors; false when nothing is left
    // (or, with `requireVisible`, when an ancestor is hidden).
    bool ClipToAncestors(RECT& rect, bool requireVisible) const;
    void PlaceCover();

    CUIManager* m_manager = nullptr;
    CControlUI* m_parent = nullptr;
    CControlUI* m_cover = nullptr;
    // Texts most controls never get are kept at their own length.
    std::wstring m_virtualWnd;
    CUIString m_name;
    bool m_updateNeeded = true;
    bool m_menuUsed = false;
    RECT m_itemRect = {0, 0, 0, 0};
    RECT m_padding = {0, 0, 0, 0};
    SIZE m_fixedXY = {0, 0};
    int m_fixedWidth = 0;
    int m_fixedHeight = 0;
    int m_minWidth = 0;
    int m_minHeight = 0;
    int m_maxWidth = 9999;
    int m_maxHeight = 9999;
    bool m_visible = true;
    bool m_ancestorVisible = true;
    bool m_enabled = true;
    bool m_mouseEnabled = true;
    bool m_keyboardEnabled = true;
    bool m_focused = false;
    bool m_isFloat = false;
    FloatPercent m_floatPercent;
    bool m_inSetPos = false;
    CUIString m_text;
    std::wstring m_toolTip;
    WCHAR m_shortcut = 0;
    std::wstring m_userData;
    UINT_PTR m_tag = 0;
    DWORD m_bkColor = 0;
    DWORD m_bkColor2 = 0;
    DWORD m_bkColor3 = 0;
    ImageDrawInfo m_bkImage;
    ImageDrawInfo m_foreImage;
    DWORD m_borderColor = 0;
    DWORD m_focusBorderColor = 0;
    bool m_colorHSL = false;
    int m_borderStyle = PS_SOLID;
    int m_toolTipWidth = 300;
    SIZE m_borderRound = {0, 0};
    RECT m_paintRect = {0, 0, 0, 0};
    RECT m_borderSize = {0, 0, 0, 0};
    CStringMap m_customAttributes;

private:
    friend class CUIManager;
    // The manager's bookkeeping: the control waits in its list of layout
    // requests, or in its list of controls to destroy after the message.
    bool m_layoutRequested = false;
    bool m_destroyDeferred = false;
};

}  // namespace SkinUI
