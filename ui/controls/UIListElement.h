#pragma once

#include <windows.h>

#include "ui/controls/UIListRow.h"
#include "ui/core/control/UIControl.h"

namespace SkinUI {

// A list row that is one control. Derived rows draw its text; it brings the
// row behaviour: selection, activation by double-click or Return, and the
// hand-over of everything else to its list.
class CListElementUI : public CControlUI, public IListItemUI {
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

    int GetIndex() const override { return m_row.GetIndex(); }
    void SetIndex(int index) override { m_row.SetIndex(index); }
    int GetDrawIndex() const override { return m_row.GetDrawIndex(); }
    void SetDrawIndex(int index) override { m_row.SetDrawIndex(index); }
    IListOwnerUI* GetOwner() const override { return m_row.GetOwner(); }
    void SetOwner(CControlUI* owner) override { m_row.SetOwner(owner); }
    bool IsSelected() const override { return m_row.IsSelected(); }
    bool Select(bool selected = true, bool notify = true) override { return m_row.Select(selected, notify); }
    bool IsExpanded() const override { return false; }
    bool Expand(bool /*expand*/ = true) override { return false; }

protected:
    // Events a row does not use go to its list, or to the base without one.
    void PassOn(UIEvent& event);

    CListRowState m_row{*this};
};

}  // namespace SkinUI
