#pragma once

#include <windows.h>

#include "ui/controls/UIListRow.h"
#include "ui/core/control/UIContainer.h"

namespace SkinUI {

// A list row holding any controls, laid out like a plain container's
// children. An expandable row asks its list before it expands or collapses.
class CListContainerElementUI : public CContainerUI, public IListItemUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    UINT GetControlFlags() const override;
    // Reports "itemactivate".
    bool Activate() override;
    void SetVisible(bool visible = true) override;
    void SetEnabled(bool enabled = true) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    SIZE MeasureSize(SIZE available) override;
    bool DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

    int GetIndex() const override { return m_row.GetIndex(); }
    void SetIndex(int index) override { m_row.SetIndex(index); }
    int GetDrawIndex() const override { return m_row.GetDrawIndex(); }
    void SetDrawIndex(int index) override { m_row.SetDrawIndex(index); }
    IListOwnerUI* GetOwner() const override { return m_row.GetOwner(); }
    void SetOwner(CControlUI* owner) override { m_row.SetOwner(owner); }
    bool IsSelected() const override { return m_row.IsSelected(); }
    bool Select(bool selected = true, bool notify = true) override { return m_row.Select(selected, notify); }
    bool IsExpanded() const override { return m_expanded; }
    // Reports "itemexpand" or "itemcollapse" when the list agrees.
    bool Expand(bool expand = true) override;
    void DrawRowText(HDC /*dc*/, const RECT& /*rect*/) override {}

    bool IsExpandable() const { return m_expandable; }
    void SetExpandable(bool expandable) { m_expandable = expandable; }

protected:
    // Events a row does not use go to its list; without one, to the
    // container's handling or to the plain control's.
    void PassOn(UIEvent& event, bool toContainer);

    CListRowState m_row{*this};

private:
    bool m_expandable = false;
    bool m_expanded = false;
};

}  // namespace SkinUI
