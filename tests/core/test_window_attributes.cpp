#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ui/core/control/UIControl.h"
#include "ui/core/resources/UIWindowAttributes.h"

using namespace SkinUI;

namespace {

// Records every effect, in order, as a line of text.
class RecordingTarget : public IWindowAttributeTarget {
public:
    HWND GetPaintWindow() const override { return window; }
    int GetDpi() const override { return 96; }
    CControlUI* GetRoot() const override { return root; }
    void SetShowDirty(bool show) override { Record(L"showdirty", show); }
    void SetNoActivate(bool noActivate) override { Record(L"noactivate", noActivate); }
    void SetOpacity(BYTE opacity) override { Record(L"opacity", opacity); }
    void SetLayeredOpacity(BYTE opacity) override { Record(L"layeredopacity", opacity); }
    void SetLayered(bool layered) override { Record(L"layered", layered); }
    void SetLayeredImage(LPCWSTR image) override { calls.push_back(std::wstring(L"layeredimage ") + image); }
    void SetDefaultDisabledColor(DWORD color, bool shared) override { RecordColor(L"disabled", color, shared); }
    void SetDefaultFontColor(DWORD color, bool shared) override { RecordColor(L"font", color, shared); }
    void SetDefaultLinkFontColor(DWORD color, bool shared) override { RecordColor(L"link", color, shared); }
    void SetDefaultLinkHoverFontColor(DWORD color, bool shared) override { RecordColor(L"linkhover", color, shared); }
    void SetDefaultSelectedColor(DWORD color, bool shared) override { RecordColor(L"selected", color, shared); }

    HWND window = nullptr;
    CControlUI* root = nullptr;
    std::vector<std::wstring> calls;

private:
    void Record(LPCWSTR what, unsigned value) { calls.push_back(std::wstring(what) + L" " + std::to_wstring(value)); }
    void RecordColor(LPCWSTR what, DWORD color, bool shared) {
        wchar_t text[64];
        wsprintfW(text, L"%s %08X%s", what, color, shared ? L" shared" : L"");
        calls.push_back(text);
    }
};

// A hidden top-level window: its size changes without it ever being shown.
class HiddenWindow {
public:
    HiddenWindow() {
        m_hwnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 10, 20, 300, 200, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    }
    ~HiddenWindow() { ::DestroyWindow(m_hwnd); }
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    RECT Rect() const {
        RECT rect = {};
        ::GetWindowRect(m_hwnd, &rect);
        return rect;
    }

private:
    HWND m_hwnd = nullptr;
};

class WindowAttributes : public ::testing::Test {
protected:
    std::vector<std::wstring> CallsFor(LPCWSTR name, LPCWSTR value) {
        target.calls.clear();
        attributes.SetWindowAttribute(name, value);
        return target.calls;
    }

    RecordingTarget target;
    CWindowAttributes attributes{target};
};

typedef std::vector<std::wstring> Calls;

std::string Text(SIZE size) {
    return std::to_string(size.cx) + "," + std::to_string(size.cy);
}

std::string Text(RECT rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

}  // namespace

TEST_F(WindowAttributes, GeometryIsRecorded) {
    attributes.SetWindowAttribute(L"size", L"640,480");
    attributes.SetWindowAttribute(L"SIZEBOX", L"4 5 6 7");  // any one character separates
    attributes.SetWindowAttribute(L"caption", L"0,0,0,32");
    attributes.SetWindowAttribute(L"RoundCorner", L"5");
    attributes.SetWindowAttribute(L"mininfo", L"200x100");
    attributes.SetWindowAttribute(L"MaxInfo", L"-1;800;9");
    EXPECT_EQ("640,480", Text(attributes.GetInitSize()));
    EXPECT_EQ("4,5,6,7", Text(attributes.GetSizeBox()));
    EXPECT_EQ("0,0,0,32", Text(attributes.GetCaptionRect()));  // whole width, 32 pixels high
    EXPECT_EQ("5,0", Text(attributes.GetRoundCorner()));
    EXPECT_EQ("200,100", Text(attributes.GetMinInfo()));
    EXPECT_EQ("-1,800", Text(attributes.GetMaxInfo()));
    EXPECT_TRUE(target.calls.empty());

    attributes.SetWindowAttribute(L"caption", nullptr);
    EXPECT_EQ("0,0,0,0", Text(attributes.GetCaptionRect()));
}

TEST_F(WindowAttributes, SizeResizesTheWindowOnlyBeforeTheRootIsAttached) {
    HiddenWindow window;
    target.window = window.Handle();
    attributes.SetWindowAttribute(L"size", L"420,260");
    EXPECT_EQ("10,20,430,280", Text(window.Rect()));

    CControlUI root;
    target.root = &root;
    attributes.SetWindowAttribute(L"size", L"500,300");
    EXPECT_EQ("500,300", Text(attributes.GetInitSize()));
    EXPECT_EQ("10,20,430,280", Text(window.Rect()));

    // Without a window there is nothing to resize.
    target.window = nullptr;
    target.root = nullptr;
    attributes.SetWindowAttribute(L"size", L"50,60");
    EXPECT_EQ("50,60", Text(attributes.GetInitSize()));
}

TEST_F(WindowAttributes, SwitchesAndOpacityReachTheTarget) {
    EXPECT_EQ(Calls{L"showdirty 1"}, CallsFor(L"ShowDirty", L"TRUE"));
    EXPECT_EQ(Calls{L"showdirty 0"}, CallsFor(L"showdirty", L"yes"));
    EXPECT_EQ(Calls{L"noactivate 1"}, CallsFor(L"noactivate", L"True"));
    EXPECT_EQ(Calls{L"opacity 200"}, CallsFor(L"opacity", L"200"));
    EXPECT_EQ(Calls{L"opacity 44"}, CallsFor(L"Opacity", L"300"));  // the low eight bits
    EXPECT_EQ(Calls{L"layeredopacity 255"}, CallsFor(L"layeredopacity", L"-1"));
    const Calls layered = {L"layered 1", L"layeredimage file='bg.png' corner='5,5,5,5'"};
    EXPECT_EQ(layered, CallsFor(L"layeredimage", L"file='bg.png' corner='5,5,5,5'"));
}

TEST_F(WindowAttributes, CaseSensitiveNamesWithCapitalsBecomeCustomAttributes) {
    EXPECT_TRUE(CallsFor(L"NoActivate", L"true").empty());
    EXPECT_STREQ(L"true", attributes.GetWindowCustomAttribute(L"NoActivate"));
    EXPECT_TRUE(CallsFor(L"LayeredOpacity", L"100").empty());
    EXPECT_STREQ(L"100", attributes.GetWindowCustomAttribute(L"LayeredOpacity"));
    EXPECT_TRUE(CallsFor(L"LayeredImage", L"file='a.png'").empty());
    EXPECT_STREQ(L"file='a.png'", attributes.GetWindowCustomAttribute(L"LayeredImage"));
}

TEST_F(WindowAttributes, ColoursGoToTheWindowWithOrWithoutHash) {
    EXPECT_EQ(Calls{L"disabled FFA7A6AA"}, CallsFor(L"disabledfontcolor", L"#FFA7A6AA"));
    EXPECT_EQ(Calls{L"font FF112233"}, CallsFor(L"defaultfontcolor", L"FF112233"));
    EXPECT_EQ(Calls{L"link FF0000FF"}, CallsFor(L"LinkFontColor", L"#ff0000ff"));
    EXPECT_EQ(Calls{L"linkhover 00D3215F"}, CallsFor(L"linkhoverfontcolor", L"D3215F"));
    EXPECT_EQ(Calls{L"selected FFBAE4FF"}, CallsFor(L"SELECTEDCOLOR", L"0xFFBAE4FF"));
    EXPECT_EQ(Calls{L"font 00000000"}, CallsFor(L"defaultfontcolor", L"#"));
}

TEST_F(WindowAttributes, UnknownNamesAreKeptWithTheirFirstValue) {
    EXPECT_TRUE(CallsFor(L"title", L"Quillet").empty());
    attributes.SetWindowAttribute(L"title", L"Other");
    EXPECT_STREQ(L"Quillet", attributes.GetWindowCustomAttribute(L"title"));
    EXPECT_EQ(nullptr, attributes.GetWindowCustomAttribute(L"Title"));

    attributes.AddWindowCustomAttribute(L"empty", L"");
    attributes.AddWindowCustomAttribute(L"", L"value");
    attributes.SetWindowAttribute(nullptr, L"value");
    EXPECT_EQ(nullptr, attributes.GetWindowCustomAttribute(L"empty"));
    EXPECT_EQ(nullptr, attributes.GetWindowCustomAttribute(L""));

    attributes.RemoveAllWindowCustomAttributes();
    EXPECT_EQ(nullptr, attributes.GetWindowCustomAttribute(L"title"));
    attributes.AddWindowCustomAttribute(L"title", L"Again");
    EXPECT_STREQ(L"Again", attributes.GetWindowCustomAttribute(L"title"));
}
