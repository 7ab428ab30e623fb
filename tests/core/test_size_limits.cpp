// Lengths far beyond what can be seen are cut before they are used: an
// attribute with a huge number ends at the limit, and the three numbers that
// stalled whole runs go through building, layout and painting at once.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "tests/core/paint_canvas.h"
#include "ui/UIControlFactory.h"
#include "ui/controls/UILabel.h"
#include "ui/core/base/UISizeLimits.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIHorizontalLayout.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/render/UIRender.h"
#include "ui/core/resources/UIImageDecode.h"
#include "ui/core/resources/UIImageDrawInfo.h"
#include "ui/core/resources/UIWindowAttributes.h"
#include "ui/core/window/UILayoutBuilder.h"
#include "ui/extra/UICombo.h"
#include "ui/extra/UISlider.h"
#include "ui/extra/UITileLayout.h"
#include "ui/extra/UITreeView.h"

using namespace SkinUI;

namespace {

struct AttributeClamp {
    const wchar_t* element;
    const wchar_t* attribute;
    const wchar_t* value;
    std::function<int(CControlUI&)> read;
    int expected;
};

template <class Control>
Control& As(CControlUI& control, const wchar_t* name) {
    return *static_cast<Control*>(control.GetInterface(name));
}

class AttributeClamps : public ::testing::TestWithParam<AttributeClamp> {};

TEST_P(AttributeClamps, AHugeValueEndsAtTheLimit) {
    const AttributeClamp& c = GetParam();
    std::unique_ptr<CControlUI> control(CreateControlForElement(c.element));
    ASSERT_NE(nullptr, control);
    control->SetAttribute(c.attribute, c.value);
    EXPECT_EQ(c.expected, c.read(*control)) << c.attribute << "=\"" << c.value << "\" on " << c.element;
}

constexpr int kMax = kMaxCoordinate;

INSTANTIATE_TEST_SUITE_P(
    SizeLimits, AttributeClamps,
    ::testing::Values(
        AttributeClamp{L"Control", L"width", L"99999999", [](CControlUI& c) { return c.GetFixedWidth(); }, kMax},
        AttributeClamp{L"Control", L"height", L"2147483647", [](CControlUI& c) { return c.GetFixedHeight(); }, kMax},
        AttributeClamp{L"Control", L"pos", L"-99999999,0,40,10", [](CControlUI& c) { return c.GetFixedXY().cx; },
                       -kMax},
        AttributeClamp{L"Control", L"pos", L"0,0,99999999,10", [](CControlUI& c) { return c.GetFixedWidth(); }, kMax},
        AttributeClamp{L"Control", L"minwidth", L"99999999", [](CControlUI& c) { return c.GetMinWidth(); }, kMax},
        AttributeClamp{L"Control", L"maxheight", L"99999999", [](CControlUI& c) { return c.GetMaxHeight(); }, kMax},
        AttributeClamp{L"Control", L"padding", L"0,-99999999,0,0", [](CControlUI& c) { return c.GetPadding().top; },
                       -kMax},
        AttributeClamp{L"Control", L"bordersize", L"99999999", [](CControlUI& c) { return c.GetBorderSize().left; },
                       kMax},
        AttributeClamp{L"Control", L"bordersize", L"1,2,3,99999999",
                       [](CControlUI& c) { return c.GetBorderSize().bottom; }, kMax},
        AttributeClamp{L"Control", L"borderround", L"99999999,5", [](CControlUI& c) { return c.GetBorderRound().cx; },
                       kMax},
        AttributeClamp{L"VerticalLayout", L"inset", L"99999999,0,0,0",
                       [](CControlUI& c) { return As<CContainerUI>(c, L"Container").GetInset().left; }, kMax},
        AttributeClamp{L"HorizontalLayout", L"childpadding", L"99999999",
                       [](CControlUI& c) { return As<CContainerUI>(c, L"Container").GetChildPadding(); }, kMax},
        AttributeClamp{L"HorizontalLayout", L"sepwidth", L"-99999999",
                       [](CControlUI& c) { return As<CHorizontalLayoutUI>(c, L"HorizontalLayout").GetSepWidth(); },
                       -kMax},
        AttributeClamp{L"Label", L"textpadding", L"0,0,99999999,0",
                       [](CControlUI& c) { return As<CLabelUI>(c, L"Label").GetTextPadding().right; }, kMax},
        AttributeClamp{L"TileLayout", L"itemsize", L"99999999,20",
                       [](CControlUI& c) { return As<CTileLayoutUI>(c, L"TileLayout").GetItemSize().cx; }, kMax},
        AttributeClamp{L"TileLayout", L"columns", L"99999999",
                       [](CControlUI& c) { return As<CTileLayoutUI>(c, L"TileLayout").GetColumns(); }, kMax},
        AttributeClamp{L"TileLayout", L"childvpadding", L"99999999",
                       [](CControlUI& c) { return As<CTileLayoutUI>(c, L"TileLayout").GetRowGap(); }, kMax},
        AttributeClamp{L"Slider", L"thumbsize", L"10,99999999",
                       [](CControlUI& c) { return As<CSliderUI>(c, L"Slider").GetThumbSize().cy; }, kMax},
        AttributeClamp{L"Combo", L"dropboxsize", L"0,99999999",
                       [](CControlUI& c) { return As<CComboUI>(c, L"Combo").GetDropBoxSize().cy; }, kMax},
        AttributeClamp{L"TreeView", L"itemminwidth", L"99999999",
                       [](CControlUI& c) { return As<CTreeViewUI>(c, L"TreeView").GetRowMinWidth(); }, kMax}));

// Window lengths end at the virtual screen, or at the coordinate limit.
TEST(SizeLimits, WindowSizesEndAtTheScreen) {
    struct Target : IWindowAttributeTarget {
        HWND GetPaintWindow() const override { return nullptr; }
        int GetDpi() const override { return 96; }
        CControlUI* GetRoot() const override { return nullptr; }
        void SetShowDirty(bool) override {}
        void SetNoActivate(bool) override {}
        void SetOpacity(BYTE) override {}
        void SetLayeredOpacity(BYTE) override {}
        void SetLayered(bool) override {}
        void SetLayeredImage(LPCWSTR) override {}
        void SetDefaultDisabledColor(DWORD, bool) override {}
        void SetDefaultFontColor(DWORD, bool) override {}
        void SetDefaultLinkFontColor(DWORD, bool) override {}
        void SetDefaultLinkHoverFontColor(DWORD, bool) override {}
        void SetDefaultSelectedColor(DWORD, bool) override {}
    } target;
    CWindowAttributes attributes(target);
    const SIZE screen = {::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    attributes.SetWindowAttribute(L"size", L"65535,65535");
    attributes.SetWindowAttribute(L"mininfo", L"99999999,10");
    attributes.SetWindowAttribute(L"maxinfo", L"10,99999999");
    attributes.SetWindowAttribute(L"roundcorner", L"99999999,99999999");
    attributes.SetWindowAttribute(L"caption", L"0,0,0,99999999");
    attributes.SetWindowAttribute(L"sizebox", L"-99999999,4,4,4");
    EXPECT_EQ(screen.cx, attributes.GetInitSize().cx);
    EXPECT_EQ(screen.cy, attributes.GetInitSize().cy);
    EXPECT_EQ(screen.cx, attributes.GetMinInfo().cx);
    EXPECT_EQ(screen.cy, attributes.GetMaxInfo().cy);
    EXPECT_EQ(screen.cx, attributes.GetRoundCorner().cx);
    EXPECT_EQ(kMax, attributes.GetCaptionRect().bottom);
    EXPECT_EQ(-kMax, attributes.GetSizeBox().left);
}

TEST(SizeLimits, FontSizesEndAtOneToAThousandPixels) {
    struct Case {
        int size;
        LONG height;
    } const cases[] = {
        {65535, -kMaxFontSize}, {99999999, -kMaxFontSize}, {0, -kMinFontSize}, {-5, -kMinFontSize}, {12, -12}};
    CUIManager manager;
    for (const Case& c : cases) {
        HFONT font = manager.AddFont(7, L"Tahoma", c.size, false, false, false);
        ASSERT_NE(nullptr, font);
        LOGFONTW logFont = {};
        ::GetObjectW(font, sizeof(logFont), &logFont);
        EXPECT_EQ(c.height, logFont.lfHeight) << "size " << c.size;
    }
}

TEST(SizeLimits, LengthHelpersTable) {
    const RECT control = {10, 10, 110, 41};  // 100 x 31
    struct Case {
        int width;
        int expected;
    } const borders[] = {{99999999, 16}, {16, 16}, {15, 15}, {1, 1}, {-4, 0}};
    for (const Case& c : borders) {
        EXPECT_EQ(c.expected, ClampBorderWidth(c.width, control)) << c.width;
    }
    EXPECT_EQ(1, ClampBorderWidth(1, RECT{0, 0, 1, 1}));  // a one-pixel control keeps its line
    EXPECT_EQ(100, ClampCorner(SIZE{99999999, 3}, control).cx);
    EXPECT_EQ(0, FractionOf(std::nan(""), 100));
    EXPECT_EQ(kMax, FractionOf(1e300, 100));
    EXPECT_EQ(-kMax, FractionOf(-1e300, 100));
    EXPECT_EQ(25, FractionOf(0.25, 100));
}

TEST(SizeLimits, ImageDestinationIsClampedWhenParsed) {
    ImageDrawInfo info;
    ImageSourceRequest request;
    ParseImageAttributes(L"file='a.png' dest='0,0,99999999,-99999999'", &info, &request);
    EXPECT_EQ(kMax, info.dest.right);
    EXPECT_EQ(-kMax, info.dest.bottom);
}

// A hidden window and its manager, for skins that resize their window.
class HiddenManager {
public:
    HiddenManager() {
        m_hwnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
        manager->Init(m_hwnd, L"limits");
    }
    ~HiddenManager() {
        manager.reset();
        ::DestroyWindow(m_hwnd);
    }
    HiddenManager(const HiddenManager&) = delete;
    HiddenManager& operator=(const HiddenManager&) = delete;

    HWND Handle() const { return m_hwnd; }
    std::unique_ptr<CUIManager> manager = std::make_unique<CUIManager>();

private:
    HWND m_hwnd = nullptr;
};

TEST(SizeLimits, TheNumbersThatStalledRunsPaintAtOnce) {
    const wchar_t* const skins[] = {
        L"<Window size=\"200,100\"><VerticalLayout bordersize=\"99999999\" bordercolor=\"#FF000000\" "
        L"borderround=\"99999999,99999999\"><HorizontalLayout bordersize=\"1,99999999,1,1\" bordercolor=\"#FFFF0000\"/>"
        L"</VerticalLayout></Window>",
        L"<Window size=\"200,100\"><Font id=\"3\" name=\"Tahoma\" size=\"65535\"/>"
        L"<Label font=\"3\" text=\"Wide glyphs\" /></Window>",
        L"<Window size=\"65535,65535\" mininfo=\"65535,65535\"><Control bkcolor=\"#FF00FF00\" /></Window>",
    };
    for (const wchar_t* skin : skins) {
        HiddenManager hidden;
        const ULONGLONG start = ::GetTickCount64();
        CLayoutBuilder builder;
        CControlUI* root = builder.Create(skin, nullptr, nullptr, hidden.manager.get());
        ASSERT_NE(nullptr, root);
        ASSERT_TRUE(hidden.manager->AttachRoot(root));
        hidden.manager->LayOutPending();
        RECT client = {};
        ::GetClientRect(hidden.Handle(), &client);
        HBITMAP bitmap = hidden.manager->RenderToBitmap(client);
        EXPECT_NE(nullptr, bitmap);
        ::DeleteObject(bitmap);
        EXPECT_LT(::GetTickCount64() - start, 500u) << "skin " << std::wstring(skin).substr(0, 40).c_str();
        EXPECT_LE(client.right, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    }
}

}  // namespace
