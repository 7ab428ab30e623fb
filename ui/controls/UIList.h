#pragma once

#include <windows.h>

#include "ui/controls/UIListInterfaces.h"
#include "ui/core/control/UIVerticalLayout.h"

namespace SkinUI {

class CListBodyUI;
class CListHeaderUI;

// A multi-column list: a header of resizable column captions above a
// scrolling body of rows. It keeps one selection and one expanded row (body
// indices that follow every insertion, removal and move), navigates by keys
// and wheel, and reports "itemselect" (wParam the new index, lParam the
// previous one or -1) and, through its rows, "itemclick", "itemactivate",
// "itemexpand" and "itemcollapse". Its container interface works on the
// rows; a header or header items given to it go to the header.
class CListUI : public CVerticalLayoutUI, public IListUI {
public:
    CListUI();

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    UINT GetControlFlags() const override;
    void SetPos(RECT rect, bool needInvalidate = true) override;
    void Move(SIZE offset, bool needInvalidate = true) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;

    // The rows' spacing and every scrolling operation belong to the body.
    int GetChildPadding() const override;
    void SetChildPadding(int padding) override;
    int FindSelectableItem(int index, bool forward = true) const override;
    SIZE GetScrollPos() const override;
    SIZE GetScrollRange() const override;
    void SetScrollPos(SIZE pos) override;
    void LineUp() override;
    void LineDown() override;
    void PageUp() override;
    void PageDown() override;
    void HomeUp() override;
    void EndDown() override;
    void LineLeft() override;
    void LineRight() override;
    void PageLeft() override;
    void PageRight() override;
    void HomeLeft() override;
    void EndRight() override;
    void EnableScrollBar(bool vertical = true, bool horizontal = false) override;
    CScrollBarUI* GetVerticalScrollBar() const override;
    CScrollBarUI* GetHorizontalScrollBar() const override;

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

    ListInfo* GetListInfo() override { return &m_info; }
    int GetCurSel() const override { return m_curSel; }
    bool SelectItem(int index, bool takeFocus = false, bool notify = true) override;
    bool ExpandItem(int index, bool expand = true) override;
    int GetExpandedItem() const override { return m_expandedItem; }
    // Null once the header has been removed.
    CListHeaderUI* GetHeader() const override { return m_header; }
    CListBodyUI* GetList() const override { return m_body; }
    ListTextProvider* GetTextCallback() const override { return m_textProvider; }
    void SetTextCallback(ListTextProvider* provider) override { m_textProvider = provider; }

    bool IsScrollSelect() const { return m_scrollSelect; }
    // The wheel moves the selection instead of the rows.
    void SetScrollSelect(bool scrollSelect) { m_scrollSelect = scrollSelect; }
    // Scrolls the body so that the row at `index` is in view.
    void EnsureVisible(int index);
    void Scroll(int dx, int dy);
    // The body scrolled sideways by `dx`: the captions and columns follow.
    void ScrollColumns(int dx);

private:
    bool IsHeaderItem(CControlUI* control) const;
    bool AddHeader(CControlUI* header);
    bool AddRow(CControlUI* row, int index);
    bool RemoveRow(CControlUI* row, bool doNotDestroy);
    // Takes the column rectangles from the header items, moving the items
    // left by `dx` first.
    void TakeColumns(int dx);
    void CollapseExpanded();

    bool m_scrollSelect = false;
    int m_curSel = -1;
    int m_expandedItem = -1;
    ListTextProvider* m_textProvider = nullptr;
    CListBodyUI* m_body = nullptr;
    CListHeaderUI* m_header = nullptr;
    ListInfo m_info;
};

}  // namespace SkinUI
