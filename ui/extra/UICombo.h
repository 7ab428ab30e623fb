#pragma once

#include <windows.h>

#include "ui/controls/UIListInterfaces.h"
#include "ui/core/control/UIContainer.h"

namespace SkinUI {

class CComboWnd;

// A drop-down list: shows its selected row and, when activated, lists its
// rows in a popup window below it (above it when the screen ends first).
// The rows are list elements owned by the combo, which offers them the
// list's owner interface and row settings. Reports "dropdown" when the popup
// opens and "itemselect" (wParam the new index, lParam the previous one or
// -1) when the selection changes.
class CComboUI : public CContainerUI, public IListOwnerUI {
public:
    CComboUI() = default;
    // Closes an open popup first, so that it never shows destroyed rows.
    ~CComboUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    // Opens the popup; true when it is open.
    bool Activate() override;
    // The selected row's text; empty without a selection.
    CUIString GetText() const override;
    // The rows are laid out only in the popup.
    void SetPos(RECT rect, bool needInvalidate = true) override;
    void Move(SIZE offset, bool needInvalidate = true) override;
    // A hidden or disabled combo closes its popup.
    void SetVisible(bool visible = true) override;
    void SetAncestorVisible(bool visible) override;
    void SetEnabled(bool enabled = true) override;
    // Only the combo itself is under the mouse: its rows are hit in the popup.
    CControlUI* FindControl(FindControlProc proc, LPVOID data, UINT flags) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    SIZE MeasureSize(SIZE available) override;
    bool DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;
    void PaintStateImage(HDC dc) override;
    void PaintText(HDC dc) override;

    // Changes of the rows reach an open popup, which is laid out again.
    bool SetItemIndex(CControlUI* control, int index) override;
    bool SetMultiItemIndex(CControlUI* first, int count, int index) override;
    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control, bool doNotDestroy = false) override;
    bool RemoveAt(int index, bool doNotDestroy = false) override;
    void RemoveAll() override;

    ListInfo* GetListInfo() override { return &m_info; }
    int GetCurSel() const override { return m_curSel; }
    bool SelectItem(int index, bool takeFocus = false, bool notify = true) override;
    bool ExpandItem(int /*index*/, bool /*expand*/ = true) override { return false; }
    int GetExpandedItem() const override { return -1; }

    // The open popup's window; null while closed.
    HWND GetDropWindow() const;
    UINT GetButtonState() const { return m_buttonState; }
    // Width (0: the combo's) and greatest height of the popup.
    SIZE GetDropBoxSize() const { return Scaled(m_dropBoxSize); }
    // Attributes given to the popup's scrolling body.
    LPCWSTR GetDropBoxAttributeList() const { return m_dropBoxAttributes; }

private:
    friend class CComboWnd;

    bool AreRowsInPopup() const;
    // Selects, with notification, without closing the popup: keys, the
    // wheel and removals only move the selection. Nothing to select (-1)
    // leaves the selection as it is.
    void SelectKeepingPopup(int index, bool takeFocus);
    // Up, Down, Home and End (and Left and Right) move the selection.
    void SelectByKey(WCHAR key);
    void ClosePopup();
    void RefitPopup();
    // The popup is about to go: the combo takes its place and the focus back.
    void OnPopupClosing();
    // The popup's window is gone.
    void OnPopupEnded(CComboWnd* popup);

    CComboWnd* m_dropWindow = nullptr;
    int m_curSel = -1;
    bool m_showText = true;
    bool m_closeOnSelect = true;
    RECT m_textPadding = {0, 0, 0, 0};
    CUIString m_dropBoxAttributes;
    SIZE m_dropBoxSize = {0, 150};
    UINT m_buttonState = 0;
    ImageDrawInfo m_normalImage;
    ImageDrawInfo m_hotImage;
    ImageDrawInfo m_pushedImage;
    ImageDrawInfo m_focusedImage;
    ImageDrawInfo m_disabledImage;
    ListInfo m_info;
};

}  // namespace SkinUI
