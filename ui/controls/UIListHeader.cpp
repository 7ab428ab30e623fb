#include "ui/controls/UIListHeader.h"

#include <cwchar>

#include "ui/core/manager/UIManager.h"

namespace SkinUI {

namespace {

constexpr int kCaptionLeading = 8;

}  // namespace

LPCWSTR CListHeaderUI::GetClass() const {
    return L"ListHeader";
}

LPVOID CListHeaderUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"ListHeader") == 0) {
        return this;
    }
    return CHorizontalLayoutUI::GetInterface(name);
}

SIZE CListHeaderUI::MeasureSize(SIZE available) {
    SIZE size = {0, GetFixedHeight()};
    int tallest = 0;
    for (int index = 0; index < m_items.GetSize(); ++index) {
        const SIZE item = static_cast<CControlUI*>(m_items[index])->MeasureSize(available);
        size.cx += item.cx;
        if (item.cy > tallest) {
            tallest = item.cy;
        }
    }
    if (size.cy == 0) {
        size.cy = tallest;
        if (m_manager != nullptr) {
            const int line = m_manager->GetDefaultFontInfo()->textMetrics.tmHeight + Scaled(kCaptionLeading);
            if (size.cy < line) {
                size.cy = line;
            }
        }
    }
    return size;
}

bool CListHeaderUI::SetItemIndex(CControlUI* control, int index) {
    const bool moved = CHorizontalLayoutUI::SetItemIndex(control, index);
    if (moved) {
        NeedParentLayout();
    }
    return moved;
}

bool CListHeaderUI::SetMultiItemIndex(CControlUI* first, int count, int index) {
    const bool moved = CHorizontalLayoutUI::SetMultiItemIndex(first, count, index);
    if (moved) {
        NeedParentLayout();
    }
    return moved;
}

bool CListHeaderUI::AddAt(CControlUI* control, int index) {
    const bool added = CHorizontalLayoutUI::AddAt(control, index);
    if (added) {
        NeedParentLayout();
    }
    return added;
}

bool CListHeaderUI::Remove(CControlUI* control, bool doNotDestroy) {
    const bool removed = CHorizontalLayoutUI::Remove(control, doNotDestroy);
    if (removed) {
        NeedParentLayout();
    }
    return removed;
}

void CListHeaderUI::RemoveAll() {
    CHorizontalLayoutUI::RemoveAll();
    NeedParentLayout();
}

}  // namespace SkinUI
