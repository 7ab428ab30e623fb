#include <gtest/gtest.h>

#include <windows.h>

#include "tests/core/paint_canvas.h"
#include "tests/core/paint_recorder.h"
#include "tests/core/ui_test_window.h"

namespace {

constexpr DWORD kRootColor = 0xFF204060;
constexpr DWORD kChildColor = 0xFF00C000;

// The shared visible window with a recording root and one recording child,
// its update region emptied, nothing painted yet.
class PaintPass : public ::testing::Test {
protected:
    void SetUp() override {
        root->SetBkColor(kRootColor);
        child->SetAttributeList(L"float=\"true\" pos=\"100,50,200,150\" bkcolor=\"#FF00C000\"");
        root->Add(child);
        windowed.manager.AttachRoot(root);
        windowed.window.TakeInvalidated();
        ::GetClientRect(Window(), &client);
    }

    HWND Window() const { return windowed.window.Handle(); }
    // One WM_PAINT for `rect`, delivered synchronously.
    void Repaint(const RECT& rect) {
        ::InvalidateRect(Window(), &rect, FALSE);
        ::UpdateWindow(Window());
    }

    WindowedManager windowed;
    WindowInitListener listener{windowed.manager};
    RecordingControl* root = new RecordingControl;
    RecordingControl* child = new RecordingControl;
    RECT client = {0, 0, 0, 0};
};

TEST_F(PaintPass, FirstPaintLaysOutAndSendsWindowInitOnceBeforeDrawing) {
    Repaint(RECT{10, 20, 90, 45});

    EXPECT_EQ(1, listener.count);
    EXPECT_EQ(root, listener.sender);
    EXPECT_EQ(client, listener.rootPos);
    EXPECT_EQ(0u, listener.paintsBefore);
    ASSERT_EQ(1u, root->painted.size());
    EXPECT_EQ(client, root->painted[0]) << "what the layout placed is painted in the same pass";
    const RECT left = windowed.window.TakeInvalidated();
    EXPECT_TRUE(::IsRectEmpty(&left));

    const size_t childPaints = child->painted.size();
    Repaint(RECT{10, 20, 90, 45});
    EXPECT_EQ(1, listener.count);
    ASSERT_EQ(2u, root->painted.size());
    EXPECT_EQ((RECT{10, 20, 90, 45}), root->painted[1]);
    EXPECT_EQ(childPaints, child->painted.size()) << "the child lies outside the dirty rectangle";
}

TEST_F(PaintPass, LaysOutOnlyTheControlsThatAskForIt) {
    Repaint(client);
    const int rootPlacements = root->placements;
    const int childPlacements = child->placements;

    child->NeedUpdate();
    ::UpdateWindow(Window());

    EXPECT_EQ(rootPlacements, root->placements);
    EXPECT_EQ(childPlacements + 1, child->placements);
    EXPECT_EQ((RECT{100, 50, 200, 150}), child->GetPos());
    ASSERT_FALSE(child->painted.empty());
    EXPECT_EQ((RECT{100, 50, 200, 150}), child->painted.back());
}

TEST_F(PaintPass, InvalidateClampsToTheClientOrigin) {
    Repaint(client);
    windowed.manager.Invalidate(RECT{-5, -8, 20, 30});
    EXPECT_EQ((RECT{0, 0, 20, 30}), windowed.window.TakeInvalidated());

    windowed.manager.Invalidate(RECT{40, 40, 10, 90});
    const RECT reversed = windowed.window.TakeInvalidated();
    EXPECT_TRUE(::IsRectEmpty(&reversed)) << "a right edge left of the left one is empty";
}

TEST_F(PaintPass, ShowDirtyOutlinesEachRepaintedRectangleInRed) {
    Repaint(client);
    windowed.manager.SetShowDirty(true);
    Repaint(RECT{300, 200, 340, 240});
    windowed.manager.SetShowDirty(false);

    HDC screen = ::GetDC(Window());
    const COLORREF corner = ::GetPixel(screen, 300, 200);
    const COLORREF inside = ::GetPixel(screen, 320, 220);
    const COLORREF outside = ::GetPixel(screen, 299, 199);
    ::ReleaseDC(Window(), screen);
    EXPECT_EQ(RGB(220, 0, 0), corner);
    EXPECT_EQ(RGB(0x20, 0x40, 0x60), inside);
    EXPECT_NE(RGB(220, 0, 0), outside);
}

TEST_F(PaintPass, PrintClientPaintsTheTreeIntoTheGivenDC) {
    Repaint(client);
    PaintCanvas canvas(client.right, client.bottom, 0xFFFFFFFF);
    ::SendMessageW(Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);

    EXPECT_EQ(kRootColor & 0xFFFFFF, canvas.Rgb(5, 5));
    EXPECT_EQ(kChildColor & 0xFFFFFF, canvas.Rgb(150, 100));
}

// The pixels of a bottom-up DIB as rows from the top.
DWORD DibPixel(HBITMAP bitmap, int x, int y) {
    DIBSECTION section = {};
    if (::GetObjectW(bitmap, sizeof(section), &section) != sizeof(section)) {
        return 0xDEADBEEF;
    }
    const auto* bits = static_cast<const DWORD*>(section.dsBm.bmBits);
    return bits[(section.dsBm.bmHeight - 1 - y) * section.dsBm.bmWidth + x] & 0xFFFFFF;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    ::GetObjectW(bitmap, sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

TEST_F(PaintPass, RenderToBitmapCopiesTheRectangleOfTheTree) {
    Repaint(client);
    const RECT rect = {90, 40, 130, 60};

    for (bool fromBackBuffer : {true, false}) {
        SCOPED_TRACE(fromBackBuffer ? "back buffer" : "fresh paint");
        // A stop control that is not in the tree forces a fresh paint of everything.
        SkinUI::CControlUI outsider;
        HBITMAP bitmap = windowed.manager.RenderToBitmap(rect, fromBackBuffer ? nullptr : &outsider);
        ASSERT_NE(nullptr, bitmap);
        EXPECT_EQ(40, BitmapSize(bitmap).cx);
        EXPECT_EQ(20, BitmapSize(bitmap).cy);
        EXPECT_EQ(kRootColor & 0xFFFFFF, DibPixel(bitmap, 0, 0));
        EXPECT_EQ(kChildColor & 0xFFFFFF, DibPixel(bitmap, 39, 19));
        ::DeleteObject(bitmap);
    }
}

TEST_F(PaintPass, RenderToBitmapStopsAtTheStopControlOverTheBackgroundColour) {
    root->SetBkColor(0);
    Repaint(client);
    HBITMAP bitmap = windowed.manager.RenderToBitmap(RECT{90, 40, 130, 60}, child, 0xFF0000FF);
    ASSERT_NE(nullptr, bitmap);
    EXPECT_EQ(0x0000FFu, DibPixel(bitmap, 0, 0)) << "the background shows where nothing is painted";
    EXPECT_EQ(0x0000FFu, DibPixel(bitmap, 39, 19)) << "painting stopped before the child";
    ::DeleteObject(bitmap);

    EXPECT_EQ(nullptr, windowed.manager.RenderToBitmap(RECT{50, 50, 50, 80}));
    EXPECT_EQ(nullptr, windowed.manager.RenderToBitmap(RECT{-10, 0, 20, 20}));
}

TEST(PaintPassWithoutRoot, FillsTheDirtyRectangleBlack) {
    WindowedManager windowed;
    const HWND window = windowed.window.Handle();
    const RECT rect = {0, 0, 30, 30};
    ::InvalidateRect(window, &rect, FALSE);
    ::UpdateWindow(window);
    HDC screen = ::GetDC(window);
    const COLORREF pixel = ::GetPixel(screen, 10, 10);
    ::ReleaseDC(window, screen);
    EXPECT_EQ(RGB(0, 0, 0), pixel);
    const RECT left = windowed.window.TakeInvalidated();
    EXPECT_TRUE(::IsRectEmpty(&left));
}

}  // namespace
