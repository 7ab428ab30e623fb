#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// While one lives, text drawn into its device context leaves its font
// selected, so that the next text in the same font needs no selection (a
// selection and its undoing cost more than the text itself under some
// systems); at its end the context gets its own font back. Keepers nest; a
// font about to be deleted must be let go first (Forget).
class CFontKeeper {
public:
    explicit CFontKeeper(HDC dc);
    ~CFontKeeper();
    CFontKeeper(const CFontKeeper&) = delete;
    CFontKeeper& operator=(const CFontKeeper&) = delete;

    // Selects `font` into `dc` when a keeper holds that context; false otherwise,
    // and the caller selects and restores the font itself.
    static bool Select(HDC dc, HFONT font);
    // Takes `font` out of any kept context before it is deleted.
    static void Forget(HFONT font);
    // Forgets `font`, then deletes it: how every table deletes its fonts.
    static void Delete(HFONT font);

private:
    HDC m_dc;
    HGDIOBJ m_original = nullptr;
    HFONT m_current = nullptr;
    CFontKeeper* m_outer;
};

}  // namespace Render
}  // namespace SkinUI
