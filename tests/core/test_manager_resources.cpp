#include <gtest/gtest.h>

#include "location_reset.h"
#include "paint_canvas.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/render/UIRender.h"
#include "ui_test_window.h"

using namespace SkinUI;

namespace {

// A hidden window of its own, which the window attributes may resize.
class OwnWindow {
public:
    OwnWindow() {
        m_hwnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
        manager.Init(m_hwnd, L"own");
    }
    ~OwnWindow() { ::DestroyWindow(m_hwnd); }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;

    SIZE WindowSize() const {
        RECT rect;
        ::GetWindowRect(m_hwnd, &rect);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }

    HWND m_hwnd = nullptr;
    CUIManager manager;
};

TEST(ManagerResources, LookupsTryTheWindowFirstThenTheSharedTable) {
    CUIManager window;
    CUIManager other;
    HFONT shared = window.AddFont(9101, L"Arial", 13, false, false, false, true);
    HFONT own = window.AddFont(9101, L"Arial", 17, true, false, false);
    ASSERT_NE(nullptr, shared);
    ASSERT_NE(nullptr, own);
    EXPECT_EQ(own, window.GetFont(9101));
    EXPECT_EQ(shared, other.GetFont(9101));
    EXPECT_EQ(other.GetDefaultFontInfo()->font, other.GetFont(9102)) << "an unknown id gives the default font";
    EXPECT_EQ(own, window.GetTextHost().FindFont(L"Arial", 17, true, false, false));

    window.AddClassDefaults(L"ProbeClass", L"shared=\"1\"", true);
    other.AddClassDefaults(L"ProbeClass", L"own=\"1\"");
    EXPECT_STREQ(L"shared=\"1\"", window.GetClassDefaults(L"ProbeClass"));
    EXPECT_STREQ(L"own=\"1\"", other.GetClassDefaults(L"ProbeClass"));

    other.Init(nullptr, L"again");
    EXPECT_STREQ(L"shared=\"1\"", other.GetClassDefaults(L"ProbeClass")) << "Init empties the window's own tables";
    window.RemoveAllFonts(true);
    window.RemoveAllDefaultAttributeList(true);
}

TEST(ManagerResources, ImagesOfAnAttributeAreLoadedOnFirstDrawAndKept) {
    LocationReset location;
    CResourceLocation::SetInstance(::GetModuleHandleW(nullptr));
    CUIManager manager;
    ImageDrawInfo info;
    info.text = L"res='9401' restype='PNG' fade='128'";
    const RECT rect = {0, 0, 2, 2};
    ASSERT_TRUE(CRenderer::DrawImage(nullptr, &manager, rect, rect, info));
    ASSERT_NE(nullptr, info.image);
    EXPECT_EQ(info.image, manager.GetImage(L"9401"));
    EXPECT_EQ(L"9401", info.imageName);
    EXPECT_EQ(128, info.fade);
    EXPECT_EQ(2, info.image->width);

    ImageDrawInfo missing;
    missing.text = L"res='9499' restype='PNG'";
    EXPECT_FALSE(CRenderer::DrawImage(nullptr, &manager, rect, rect, missing));
    EXPECT_TRUE(missing.loadAttempted);
    EXPECT_EQ(nullptr, manager.GetImage(L"9499"));
}

TEST(ManagerResources, ADrawCanPlaceAndFadeAnImageWithoutChangingItsAttributes) {
    LocationReset location;
    CResourceLocation::SetInstance(::GetModuleHandleW(nullptr));
    CUIManager manager;
    ImageDrawInfo info;
    info.text = L"res='9401' restype='PNG' source='0,0,1,1' dest='0,0,2,2'";
    PaintCanvas canvas(6, 6, 0xFFFFFFFF);
    const RECT item = canvas.Rect();
    const RECT elsewhere = {3, 3, 5, 5};
    ImageDrawOverride placed;
    placed.dest = &elsewhere;
    ASSERT_TRUE(CRenderer::DrawImage(canvas.Dc(), &manager, item, item, info, placed));
    EXPECT_EQ(0xFF0000u, canvas.Rgb(4, 4));
    EXPECT_EQ(0xFFFFFFu, canvas.Rgb(1, 1));

    ImageDrawOverride invisible;
    invisible.fade = 0;
    CRenderer::DrawImage(canvas.Dc(), &manager, item, item, info, invisible);
    EXPECT_EQ(0xFFFFFFu, canvas.Rgb(1, 1)) << "fade 0 draws nothing";

    CRenderer::DrawImage(canvas.Dc(), &manager, item, item, info);
    EXPECT_EQ(0xFF0000u, canvas.Rgb(1, 1)) << "the attribute's own place and opacity are kept";
    EXPECT_EQ(255, info.fade);
}

TEST(ManagerWindowAttributes, SizeResizesTheWindowOnlyBeforeTheTreeIsAttached) {
    OwnWindow window;
    window.manager.SetWindowAttribute(L"size", L"300,200");
    EXPECT_EQ(300, window.WindowSize().cx);
    EXPECT_EQ(200, window.WindowSize().cy);

    window.manager.AttachRoot(new CControlUI);
    window.manager.SetWindowAttribute(L"Size", L"400,250");
    EXPECT_EQ(300, window.WindowSize().cx);
    EXPECT_EQ(400, window.manager.GetInitSize().cx);
}

TEST(ManagerWindowAttributes, NoActivateAndTrackingLimitsReachTheMessages) {
    OwnWindow window;
    CUIManager& manager = window.manager;
    LRESULT result = 0;
    manager.SetWindowAttribute(L"NoActivate", L"true");
    EXPECT_FALSE(manager.MessageHandler(WM_MOUSEACTIVATE, 0, 0, result)) << "the name is case-sensitive";
    EXPECT_STREQ(L"true", manager.GetWindowCustomAttribute(L"NoActivate"));
    manager.SetWindowAttribute(L"noactivate", L"TRUE");
    ASSERT_TRUE(manager.MessageHandler(WM_MOUSEACTIVATE, 0, 0, result));
    EXPECT_EQ(MA_NOACTIVATE, result);

    manager.SetWindowAttribute(L"mininfo", L"0,120");
    manager.SetWindowAttribute(L"maxinfo", L"900,0");
    MINMAXINFO limits = {};
    limits.ptMinTrackSize = POINT{11, 12};
    limits.ptMaxTrackSize = POINT{13, 14};
    manager.MessageHandler(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits), result);
    EXPECT_EQ(11, limits.ptMinTrackSize.x) << "0 keeps the system's value";
    EXPECT_EQ(120, limits.ptMinTrackSize.y);
    EXPECT_EQ(900, limits.ptMaxTrackSize.x);
    EXPECT_EQ(14, limits.ptMaxTrackSize.y);

    manager.SetWindowAttribute(L"defaultfontcolor", L"FF112233");
    EXPECT_EQ(0xFF112233u, manager.GetDefaultFontColor());
    manager.SetWindowAttribute(L"caption", L"0,0,0,32");
    EXPECT_EQ(32, manager.GetCaptionRect().bottom);
}

}  // namespace
