#pragma once

#include <windows.h>

namespace SkinUI {

class CUIManager;

// The brush behind the text of an edit window in a colour of the skin: solid
// for an opaque colour, otherwise what the window shows under the edit
// window with the colour laid over it. The brush is kept while the colour and
// the edit window's rectangle stay the same, since the edit asks for it at
// every repaint (that is, at every keystroke).
class CEditBackground {
public:
    CEditBackground() = default;
    CEditBackground(const CEditBackground&) = delete;
    CEditBackground& operator=(const CEditBackground&) = delete;
    ~CEditBackground();

    // Null when no brush could be made.
    HBRUSH Get(CUIManager& manager, HWND edit, DWORD color);

private:
    void Release();
    // A bitmap of `rect` of the manager's window tinted with `color`.
    static HBITMAP Capture(CUIManager& manager, const RECT& rect, DWORD color);

    HBRUSH m_brush = nullptr;
    HBITMAP m_bitmap = nullptr;  // the pattern of a translucent brush
    DWORD m_color = 0;
    RECT m_rect = {0, 0, 0, 0};
};

}  // namespace SkinUI
