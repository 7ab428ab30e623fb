#include <gtest/gtest.h>

#include <windows.h>

#include "tests/core/layered_push.h"
#include "tests/core/paint_canvas.h"
#include "tests/core/paint_recorder.h"
#include "tests/core/ui_test_window.h"
#include "ui/core/manager/UILayeredApi.h"

namespace {

// A hidden top-level window routed to its manager: a layered window paints
// from its own dirty area, so it needs no update region and no mapping.
class LayeredTestWindow {
public:
    explicit LayeredTestWindow(DWORD style = WS_POPUP, HWND parent = nullptr) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &LayeredTestWindow::Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"SkinUILayeredTestWindow";
        ::RegisterClassW(&windowClass);
        hwnd = ::CreateWindowExW(0, windowClass.lpszClassName, L"", style, 30, 40, 200, 100, parent, nullptr,
                                 windowClass.hInstance, nullptr);
        manager.Init(hwnd, L"layered");
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&manager));
    }
    ~LayeredTestWindow() {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd);
    }
    LayeredTestWindow(const LayeredTestWindow&) = delete;
    LayeredTestWindow& operator=(const LayeredTestWindow&) = delete;

    void Tick() { ::SendMessageW(hwnd, WM_TIMER, SkinUI::kLayeredRepaintTimer, 0); }
    LONG ExStyle() const { return ::GetWindowLongW(hwnd, GWL_EXSTYLE); }

    HWND hwnd = nullptr;
    SkinUI::CUIManager manager;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* manager = reinterpret_cast<SkinUI::CUIManager*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        LRESULT result = 0;
        if (manager != nullptr && manager->MessageHandler(message, wParam, lParam, result)) {
            return result;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
};

class LayeredWindow : public ::testing::Test {
protected:
    void SetUp() override {
        g_push = LayeredPush();
        m_previous = SkinUI::SetUpdateLayeredWindowFunction(&CaptureLayeredPush);
    }
    void TearDown() override { SkinUI::SetUpdateLayeredWindowFunction(m_previous); }

    // A root with nothing of its own and a half-transparent red child at (10, 10, 50, 40).
    RecordingControl* AttachTree(SkinUI::CUIManager& manager) {
        auto* root = new RecordingControl;
        child = new RecordingControl;
        child->SetAttributeList(L"float=\"true\" pos=\"10,10,50,40\" bkcolor=\"#80FF0000\"");
        root->Add(child);
        manager.AttachRoot(root);
        return root;
    }

    RecordingControl* child = nullptr;

private:
    SkinUI::UpdateLayeredWindowFunction m_previous = nullptr;
};

TEST_F(LayeredWindow, PushesTheWholeClientAreaWithPerPixelAlpha) {
    LayeredTestWindow window;
    AttachTree(window.manager);
    window.manager.SetLayered(true);
    window.manager.SetLayeredOpacity(200);
    ASSERT_TRUE(window.manager.IsLayered());
    EXPECT_NE(0, window.ExStyle() & WS_EX_LAYERED);

    window.Tick();
    EXPECT_EQ(0, g_push.calls) << "a changed layered look is drawn by the tick after the first layout";
    window.Tick();

    ASSERT_EQ(1, g_push.calls);
    EXPECT_EQ(30, g_push.destination.x);
    EXPECT_EQ(40, g_push.destination.y);
    EXPECT_EQ(200, g_push.size.cx);
    EXPECT_EQ(100, g_push.size.cy);
    EXPECT_EQ(200, g_push.blend.SourceConstantAlpha);
    EXPECT_EQ(AC_SRC_ALPHA, g_push.blend.AlphaFormat);
    EXPECT_EQ(static_cast<DWORD>(ULW_ALPHA), g_push.flags);
    ASSERT_EQ(200, g_push.bitmapSize.cx);
    ASSERT_EQ(100, g_push.bitmapSize.cy);
    EXPECT_TRUE(PixelNear(g_push.At(20, 20), 0x80800000, 1, true)) << "premultiplied half-transparent red";
    EXPECT_EQ(0u, g_push.At(5, 5)) << "no control: fully transparent";
    EXPECT_EQ(0u, g_push.At(60, 20));

    window.manager.SetLayered(false);
    EXPECT_EQ(0, window.ExStyle() & WS_EX_LAYERED);
}

TEST_F(LayeredWindow, TicksRepaintOnlyAccumulatedDirtyAreasAtMostOncePerTick) {
    LayeredTestWindow window;
    RecordingControl* root = AttachTree(window.manager);
    window.manager.SetLayered(true);
    window.Tick();
    ASSERT_EQ(1, g_push.calls);

    window.Tick();
    EXPECT_EQ(1, g_push.calls) << "an empty dirty area paints nothing";

    root->painted.clear();
    window.manager.Invalidate(RECT{-4, 0, 8, 6});
    window.manager.Invalidate(RECT{150, 90, 260, 130});
    window.Tick();
    EXPECT_EQ(2, g_push.calls);
    ASSERT_EQ(1u, root->painted.size());
    EXPECT_EQ((RECT{0, 0, 200, 100}), root->painted[0]) << "the union, cut to the client area";
}

TEST_F(LayeredWindow, ResizingUnderAHiddenRootGetsABufferOfTheNewSize) {
    LayeredTestWindow window;
    RecordingControl* root = AttachTree(window.manager);
    window.manager.SetLayered(true);
    window.Tick();
    // A hidden root ignores the layout request of the resize, so only the
    // buffer itself can notice the new size.
    root->SetVisible(false);
    ::SetWindowPos(window.hwnd, nullptr, 0, 0, 320, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    window.manager.Invalidate();
    window.Tick();

    ASSERT_EQ(2, g_push.calls);
    EXPECT_EQ(320, g_push.size.cx);
    EXPECT_EQ(320, g_push.bitmapSize.cx);
    EXPECT_EQ(180, g_push.bitmapSize.cy);
    EXPECT_EQ(0u, g_push.At(319, 179));
}

TEST_F(LayeredWindow, LayeringRequestedBeforeTheTreeWaitsForIt) {
    LayeredTestWindow window;
    WindowInitListener listener(window.manager);
    window.manager.SetLayered(true);
    window.Tick();
    EXPECT_EQ(0, g_push.calls) << "nothing to push without a tree";

    AttachTree(window.manager);
    window.Tick();
    EXPECT_EQ(1, listener.count);
    ASSERT_EQ(1, g_push.calls);
    EXPECT_TRUE(PixelNear(g_push.At(20, 20), 0x80800000, 1, true));
}

TEST_F(LayeredWindow, SwitchingANormallyPaintedWindowToLayeredGetsPixelMemory) {
    WindowedManager windowed;
    const HWND hwnd = windowed.window.Handle();
    AttachTree(windowed.manager);
    ::InvalidateRect(hwnd, nullptr, FALSE);
    ::UpdateWindow(hwnd);

    windowed.manager.SetLayered(true);
    ::SendMessageW(hwnd, WM_TIMER, SkinUI::kLayeredRepaintTimer, 0);
    windowed.manager.SetLayered(false);

    ASSERT_EQ(1, g_push.calls);
    RECT client;
    ::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, g_push.bitmapSize.cx);
    EXPECT_EQ(client.bottom, g_push.bitmapSize.cy);
    EXPECT_TRUE(PixelNear(g_push.At(20, 20), 0x80800000, 1, true));
}

TEST_F(LayeredWindow, ChildWindowsAndMissingSystemSupportStayUnlayered) {
    LayeredTestWindow parent;
    LayeredTestWindow child(WS_CHILD, parent.hwnd);
    child.manager.SetLayered(true);
    EXPECT_FALSE(child.manager.IsLayered());
    EXPECT_EQ(0, child.ExStyle() & WS_EX_LAYERED);

    SkinUI::SetUpdateLayeredWindowFunction(nullptr);
    parent.manager.SetLayered(true);
    EXPECT_FALSE(parent.manager.IsLayered());
    EXPECT_EQ(0, parent.ExStyle() & WS_EX_LAYERED);
}

TEST_F(LayeredWindow, ConstantOpacityLeavesPerPixelMode) {
    LayeredTestWindow window;
    AttachTree(window.manager);
    window.manager.SetLayered(true);
    window.manager.SetOpacity(128);

    EXPECT_FALSE(window.manager.IsLayered());
    EXPECT_NE(0, window.ExStyle() & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window.hwnd, nullptr, &alpha, &flags));
    EXPECT_EQ(128, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags & LWA_ALPHA);
}

}  // namespace
