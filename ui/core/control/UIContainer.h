#pragma once

#include <windows.h>

#include "ui/core/base/UIPtrArray.h"
#include "ui/core/control/UIControl.h"

namespace SkinUI {

class CScrollBarUI;

// Child management of a control that owns other controls.
class IContainerUI {
public:
    virtual CControlUI* GetItemAt(int index) const = 0;
    virtual int GetItemIndex(CControlUI* control) const = 0;
    // False (and nothing moves) when `control` is no child or `index` is out of range.
    virtual bool SetItemIndex(CControlUI* control, int index) = 0;
    // Moves `count` children starting at `first` so that they start at `index`.
    virtual bool SetMultiItemIndex(CControlUI* first, int count, int index) = 0;
    virtual int GetCount() const = 0;
    virtual bool Add(CControlUI* control) = 0;
    virtual bool AddAt(CControlUI* control, int index) = 0;
    virtual bool Remove(CControlUI* control, bool doNotDestroy = false) = 0;
    virtual bool RemoveAt(int index, bool doNotDestroy = false) = 0;
    virtual void RemoveAll() = 0;

protected:
    ~IContainerUI() = default;
};

// A control with an ordered list of owned children, an inset, child spacing
// and alignment settings for derived layouts, clipping of its children and
// two optional built-in scroll bars. It gives every child its whole client area.
class CContainerUI : public CControlUI, public IContainerUI {
public:
    CContainerUI() = default;
    ~CContainerUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;

    CControlUI* GetItemAt(int index) const override;
    int GetItemIndex(CControlUI* control) const override;
    bool SetItemIndex(CControlUI* control, int index) override;
    bool SetMultiItemIndex(CControlUI* first, int count, int index) override;
    int GetCount() const override;
    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control, bool doNotDestroy = false) override;
    bool RemoveAt(int index, bool doNotDestroy = false) override;
    void RemoveAll() override;

    void SetManager(CUIManager* manager, CControlUI* parent, bool init = true) override;
    // The item less the inset and the visible scroll bars.
    RECT GetClientPos() const override;
    void SetPos(RECT rect, bool needInvalidate = true) override;
    void Move(SIZE offset, bool needInvalidate = true) override;
    void SetVisible(bool visible = true) override;
    void SetAncestorVisible(bool visible) override;
    void SetMouseEnabled(bool enabled = true) override;
    CControlUI* FindControl(FindControlProc proc, LPVOID data, UINT flags) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    bool DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

    virtual RECT GetInset() const;
    virtual void SetInset(RECT inset);
    virtual int GetChildPadding() const;
    virtual void SetChildPadding(int padding);
    virtual UINT GetChildAlign() const;
    virtual void SetChildAlign(UINT align);
    virtual UINT GetChildVAlign() const;
    virtual void SetChildVAlign(UINT align);
    virtual bool IsAutoDestroy() const;
    virtual void SetAutoDestroy(bool autoDestroy);
    virtual bool IsDelayedDestroy() const;
    virtual void SetDelayedDestroy(bool delayed);
    virtual bool IsMouseChildEnabled() const;
    virtual void SetMouseChildEnabled(bool enabled = true);
    // Index of a visible, enabled list item near `index`, or -1.
    virtual int FindSelectableItem(int index, bool forward = true) const;

    // (horizontal, vertical) offsets and ranges of the visible bars.
    virtual SIZE GetScrollPos() const;
    virtual SIZE GetScrollRange() const;
    virtual void SetScrollPos(SIZE pos);
    virtual void LineUp();
    virtual void LineDown();
    virtual void PageUp();
    virtual void PageDown();
    virtual void HomeUp();
    virtual void EndDown();
    virtual void LineLeft();
    virtual void LineRight();
    virtual void PageLeft();
    virtual void PageRight();
    virtual void HomeLeft();
    virtual void EndRight();
    virtual void EnableScrollBar(bool vertical = true, bool horizontal = false);
    virtual CScrollBarUI* GetVerticalScrollBar() const;
    virtual CScrollBarUI* GetHorizontalScrollBar() const;

    // Places the float child at `index` by its requests, relative to this container.
    virtual void SetFloatPos(int index);
    // Shows, hides and sizes the bars after a layout: `rect` is the area the
    // children were placed in, the two sizes what they need.
    virtual void UpdateScrollBars(RECT rect, int cxRequired, int cyRequired);

protected:
    // Calls `place` with each visible child that is not floating, in order;
    // floating children are placed by their own requests on the way.
    template <typename Place>
    void PlaceChildren(Place place) {
        for (int index = 0; index < m_items.GetSize(); ++index) {
            auto* child = static_cast<CControlUI*>(m_items[index]);
            if (!child->IsVisible()) {
                continue;
            }
            if (child->IsFloat()) {
                SetFloatPos(index);
                continue;
            }
            place(child);
        }
    }
    // The item less the inset: where children are laid out before the bars take their part.
    RECT InsetArea() const;
    // Paints the built-in bars over the children; false when the stop control was reached.
    bool PaintScrollBars(HDC dc, const RECT& paintRect, CControlUI* stopControl);
    // A built-in bar that exists and is visible; usable when also enabled.
    static bool IsShown(const CScrollBarUI* bar);
    static bool IsUsable(const CScrollBarUI* bar);
    // Destroys a removed child now or after the current message.
    void DisposeChild(CControlUI* control);
    // Lays the container out again at its current place.
    void Relayout(bool needInvalidate);
    void UpdateVerticalBarOnly(const RECT& rect, int cyRequired);
    void UpdateHorizontalBarOnly(const RECT& rect, int cxRequired);
    void UpdateSingleBar(CScrollBarUI* bar, int excess, const RECT& barRect);
    void UpdateBothBars(RECT rect, int cxRequired, int cyRequired);
    int VerticalLineStep() const;
    int HorizontalLineStep() const;
    int VerticalPage() const;
    int HorizontalPage() const;
    void ScrollBy(int dx, int dy);

    CPtrArray m_items;
    RECT m_inset = {0, 0, 0, 0};
    int m_childPadding = 0;
    UINT m_childAlign = DT_LEFT;
    UINT m_childVAlign = DT_TOP;
    bool m_autoDestroy = true;
    bool m_delayedDestroy = true;
    bool m_mouseChildEnabled = true;
    bool m_scrollProcess = false;
    CScrollBarUI* m_verticalScrollBar = nullptr;
    CScrollBarUI* m_horizontalScrollBar = nullptr;
};

}  // namespace SkinUI
