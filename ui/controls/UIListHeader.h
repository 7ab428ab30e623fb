#pragma once

#include <windows.h>

#include "ui/core/control/UIHorizontalLayout.h"

namespace SkinUI {

// The row of column captions above a list's body. A change of its items
// asks the list for a new layout, so that columns and rows follow.
class CListHeaderUI : public CHorizontalLayoutUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    // As wide as its items together; as high as its fixed height, else as
    // its tallest item but at least a line of the default font.
    SIZE MeasureSize(SIZE available) override;

    bool SetItemIndex(CControlUI* control, int index) override;
    bool SetMultiItemIndex(CControlUI* first, int count, int index) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control, bool doNotDestroy = false) override;
    void RemoveAll() override;
};

}  // namespace SkinUI
