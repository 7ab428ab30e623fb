#include "ui/core/gdi/UIFontKeeper.h"

namespace SkinUI {
namespace Render {

namespace {

// The innermost keeper; painting happens on one thread.
CFontKeeper* g_innermost = nullptr;

}  // namespace

CFontKeeper::CFontKeeper(HDC dc) : m_dc(dc), m_outer(g_innermost) {
    g_innermost = this;
}

CFontKeeper::~CFontKeeper() {
    if (m_original != nullptr) {
        ::SelectObject(m_dc, m_original);
    }
    g_innermost = m_outer;
}

bool CFontKeeper::Select(HDC dc, HFONT font) {
    CFontKeeper* keeper = g_innermost;
    while (keeper != nullptr && keeper->m_dc != dc) {
        keeper = keeper->m_outer;
    }
    if (keeper == nullptr) {
        return false;
    }
    if (font != keeper->m_current) {
        const HGDIOBJ previous = ::SelectObject(dc, font);
        if (keeper->m_original == nullptr) {
            keeper->m_original = previous;
        }
        keeper->m_current = font;
    }
    return true;
}

void CFontKeeper::Delete(HFONT font) {
    Forget(font);
    ::DeleteObject(font);
}

void CFontKeeper::Forget(HFONT font) {
    for (CFontKeeper* keeper = g_innermost; keeper != nullptr; keeper = keeper->m_outer) {
        if (keeper->m_current == font && font != nullptr) {
            ::SelectObject(keeper->m_dc, keeper->m_original);
            keeper->m_current = nullptr;
        }
    }
}

}  // namespace Render
}  // namespace SkinUI
