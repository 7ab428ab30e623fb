#pragma once

#include <windows.h>

#include "ui/controls/UIListInfo.h"
#include "ui/core/control/UIControl.h"

namespace SkinUI {

class CListBodyUI;
class CListHeaderUI;

// What a row needs from its list ("IListOwner").
class IListOwnerUI {
public:
    virtual ListInfo* GetListInfo() = 0;
    virtual int GetCurSel() const = 0;
    // Selects the row at `index` (-1: none); false when nothing is selected.
    virtual bool SelectItem(int index, bool takeFocus = false, bool notify = true) = 0;
    // The list's own event handling: rows pass on what they do not use.
    virtual void DoEvent(UIEvent& event) = 0;
    virtual bool ExpandItem(int index, bool expand = true) = 0;
    virtual int GetExpandedItem() const = 0;

protected:
    ~IListOwnerUI() = default;
};

// Supplies the texts of text rows instead of the rows themselves.
class ListTextProvider {
public:
    virtual LPCWSTR GetItemText(CControlUI* row, int index, int column) = 0;

protected:
    ~ListTextProvider() = default;
};

// The list itself ("IList").
class IListUI : public IListOwnerUI {
public:
    virtual CListHeaderUI* GetHeader() const = 0;
    virtual CListBodyUI* GetList() const = 0;
    virtual ListTextProvider* GetTextCallback() const = 0;
    virtual void SetTextCallback(ListTextProvider* provider) = 0;

protected:
    ~IListUI() = default;
};

// What the list needs from a row ("IListItem").
class IListItemUI {
public:
    // Position in the list's body, kept by the list; -1 outside a list.
    virtual int GetIndex() const = 0;
    virtual void SetIndex(int index) = 0;
    // Running number among the rows drawn, for alternate backgrounds.
    virtual int GetDrawIndex() const = 0;
    virtual void SetDrawIndex(int index) = 0;
    virtual IListOwnerUI* GetOwner() const = 0;
    // The list the row belongs to; null detaches it.
    virtual void SetOwner(CControlUI* owner) = 0;
    virtual bool IsSelected() const = 0;
    // False when the row cannot be selected; the list's selection follows.
    virtual bool Select(bool selected = true, bool notify = true) = 0;
    virtual bool IsExpanded() const = 0;
    virtual bool Expand(bool expand = true) = 0;
    virtual void DrawRowText(HDC dc, const RECT& rect) = 0;

protected:
    ~IListItemUI() = default;
};

inline IListItemUI* AsListItem(CControlUI* control) {
    return control != nullptr ? static_cast<IListItemUI*>(control->GetInterface(L"IListItem")) : nullptr;
}

inline IListOwnerUI* AsListOwner(CControlUI* control) {
    return control != nullptr ? static_cast<IListOwnerUI*>(control->GetInterface(L"IListOwner")) : nullptr;
}

inline IListUI* AsList(CControlUI* control) {
    return control != nullptr ? static_cast<IListUI*>(control->GetInterface(L"IList")) : nullptr;
}

}  // namespace SkinUI
