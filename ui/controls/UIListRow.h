#pragma once

#include <windows.h>

#include "ui/controls/UIListInterfaces.h"
#include "ui/core/control/UIContainer.h"

namespace SkinUI {

class CUIManager;

// What single-control rows and container rows share: their place in the
// list, selection and hover, and the background drawn from the list's
// settings. The row control embeds one and answers IListItemUI through it.
class CListRowState {
public:
    explicit CListRowState(CControlUI& row) : m_row(row) {}
    CListRowState(const CListRowState&) = delete;
    CListRowState& operator=(const CListRowState&) = delete;

    int GetIndex() const { return m_index; }
    void SetIndex(int index) { m_index = index; }
    int GetDrawIndex() const { return m_drawIndex; }
    void SetDrawIndex(int index) { m_drawIndex = index; }
    IListOwnerUI* GetOwner() const { return m_owner; }
    void SetOwner(CControlUI* owner) { m_owner = AsListOwner(owner); }
    ListInfo* GetListInfo() const { return m_owner != nullptr ? m_owner->GetListInfo() : nullptr; }
    bool IsSelected() const { return m_selected; }
    bool IsHot() const { return (m_state & kHot) != 0; }
    void ClearState() { m_state = 0; }

    // A disabled row refuses only to be selected. Selecting asks the owner,
    // and a refusal undoes the flag; unselecting the owner's current row
    // leaves the owner without a selection.
    bool Select(bool selected, bool notify);
    // Called after the row was shown or hidden: a hidden row gives up the selection.
    void OnVisibilityChanged();
    // Reports "itemclick", then selects the row.
    void Click();
    // Mouse-enter and mouse-leave: hot while the pointer is over the row or
    // one of its parts. False for other events.
    bool TrackHover(const UIEvent& event);

    // The colours and images of the row's state from the list's settings;
    // `ownBkImage` is the row's own background image.
    void PaintBackground(HDC dc, const RECT& paintRect, ImageDrawInfo& ownBkImage);
    DWORD TextColor(const ListInfo& info) const;

private:
    static constexpr UINT kHot = 0x08;

    bool IsOddDrawnRow(const ListInfo& info) const { return info.alternateBk && (m_drawIndex % 2) != 0; }
    bool DrawImage(HDC dc, const RECT& paintRect, ImageDrawInfo& image) const;

    CControlUI& m_row;
    int m_index = -1;
    int m_drawIndex = 0;
    bool m_selected = false;
    UINT m_state = 0;
    IListOwnerUI* m_owner = nullptr;
};

inline RECT ShrinkByPadding(const RECT& rect, const RECT& padding) {
    return RECT{rect.left + padding.left, rect.top + padding.top, rect.right - padding.right,
                rect.bottom - padding.bottom};
}

// Gives the rows from `first` to `last` of `rows` their indices; every child
// counts, so that a separator between rows has an index too.
void RenumberListItems(const IContainerUI& rows, int first, int last);

// A row that lives on outside its list: no owner, no index, not selected.
void LeaveListOwner(CControlUI* row);

// Where a row index ends up after the run of `count` rows at `from` moved to
// start at `to`; -1 stays -1.
int IndexAfterRunMove(int position, int from, int count, int to);

// The extent of `text` drawn as a row draws it, measured with the manager's
// paint device context (or a screen-compatible one before the window paints).
RECT MeasureRowText(CUIManager* manager, LPCWSTR text, int font, UINT style, RECT rect, bool html);

}  // namespace SkinUI
