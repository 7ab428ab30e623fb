#pragma once
// A container that shows one child at a time, the selected tab, filling its
// client area. Selecting another tab sends "tabselect" (wParam the new index,
// lParam the previous one).
#include "ui/core/control/UIContainer.h"

namespace SkinUI {

class CTabLayoutUI : public CContainerUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void SetPos(RECT rect, bool needInvalidate = true) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;

    // Add goes through AddAt: the first visible child becomes the selection;
    // any other child is hidden, wherever it is inserted.
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control, bool doNotDestroy = false) override;
    void RemoveAll() override;

    // False for an index out of range; true at once for the current one.
    bool SelectItem(int index, bool sendEvent = true);
    int GetCurSel() const { return m_selected; }

private:
    int m_selected = -1;
};

}  // namespace SkinUI
