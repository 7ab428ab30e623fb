#pragma once

#include <windows.h>

namespace SkinUI {
namespace Render {

// Images are copied to the screen from one shared memory context. Selecting a
// bitmap into it costs more than copying a small image under some systems,
// so while a keeper lives (a paint pass) the last image drawn stays selected
// and the next drawing of the same image selects nothing; outside a pass each
// drawing selects and lets go at once. A bitmap that may have been drawn in
// the current pass is let go (Forget) before it is deleted: `Delete` does
// both.
class CImageKeeper {
public:
    CImageKeeper();
    ~CImageKeeper();
    CImageKeeper(const CImageKeeper&) = delete;
    CImageKeeper& operator=(const CImageKeeper&) = delete;

    // The shared context with `bitmap` selected, or null when it cannot be
    // selected. Each call is paired with Release.
    static HDC Hold(HBITMAP bitmap);
    static void Release();
    static void Forget(HBITMAP bitmap);
    static void Delete(HBITMAP bitmap);
};

}  // namespace Render
}  // namespace SkinUI
