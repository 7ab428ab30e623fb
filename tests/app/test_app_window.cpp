// A window object whose native window cannot be made is deleted exactly once,
// whichever step of the creation failed.
#include <gtest/gtest.h>

#include "app/windows/AppWindow.h"
#include "ui/core/manager/UIManager.h"

namespace {

class CountedWindow : public CAppWindow {
public:
    CountedWindow(int& deletions, bool refuseCreate) : m_deletions(deletions), m_refuseCreate(refuseCreate) {}
    ~CountedWindow() override { ++m_deletions; }

protected:
    LPCWSTR GetWindowClassName() const override { return L"QuilletCountedWindow"; }
    SkinUI::CUIString GetSkinFile() override { return L"122"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        // -1 from WM_CREATE: the window existed, and its last message comes inside CreateWindowExW.
        if (message == WM_CREATE && m_refuseCreate) {
            return -1;
        }
        return CAppWindow::HandleMessage(message, wParam, lParam);
    }

private:
    int& m_deletions;
    bool m_refuseCreate;
};

TEST(AppWindow, AFailedCreationDeletesTheObjectExactlyOnce) {
    SkinUI::CUIManager::SetInstance(::GetModuleHandleW(nullptr));
    const struct {
        const char* what;
        HWND parent;
        bool refuseCreate;
    } cases[] = {
        {"before the window exists (no such parent)", reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0)), false},
        {"after it existed (WM_CREATE refused)", nullptr, true},
    };
    for (const auto& c : cases) {
        int deletions = 0;
        auto* window = CAppWindow::CreateOwned(new CountedWindow(deletions, c.refuseCreate), c.parent, L"", WS_POPUP, 0,
                                               0, 0, 100, 100);
        EXPECT_EQ(nullptr, window) << c.what;
        EXPECT_EQ(1, deletions) << c.what;
    }

    int deletions = 0;
    auto* window =
        CAppWindow::CreateOwned(new CountedWindow(deletions, false), nullptr, L"", WS_POPUP, 0, 0, 0, 100, 100);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(0, deletions);
    ::DestroyWindow(*window);
    EXPECT_EQ(1, deletions) << "a window made deletes itself on its last message";
}

}  // namespace
