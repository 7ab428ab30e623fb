// The edit box with a real native edit window on the shared test window:
// typing, its notifications and what a listener may do in them, presses,
// the edit ending in every way, and the GDI objects of its background.

#include <gtest/gtest.h>

#include <windows.h>

#include <cwctype>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "heap_blocks.h"
#include "layered_push.h"
#include "list_test_support.h"
#include "ui/core/manager/UILayeredApi.h"
#include "ui/core/manager/UIPaintPipeline.h"
#include "ui/extra/UIEdit.h"

using namespace SkinUI;

namespace {

// Runs `action` for every notification of a manager while it lives.
class NotifyHook : public INotifyUI {
public:
    NotifyHook(CUIManager& manager, std::function<void(NotifyMsg&)> action)
        : m_manager(manager), m_action(std::move(action)) {
        manager.AddNotifier(this);
    }
    ~NotifyHook() { m_manager.RemoveNotifier(this); }
    void Notify(NotifyMsg& msg) override { m_action(msg); }

private:
    CUIManager& m_manager;
    std::function<void(NotifyMsg&)> m_action;
};

std::wstring EditSkin(const wchar_t* attributes) {
    return std::wstring(L"<Window><VerticalLayout name=\"column\"><Edit name=\"edit\" height=\"40\" ") + attributes +
           L"/><Button name=\"other\" height=\"30\"/></VerticalLayout></Window>";
}

class EditTree : public SkinnedTree {
public:
    explicit EditTree(const wchar_t* attributes = L"") : SkinnedTree(EditSkin(attributes).c_str()) {}

    CEditUI* Edit() { return static_cast<CEditUI*>(Find<CControlUI>(L"edit")); }
    CContainerUI* Column() { return Find<CContainerUI>(L"column"); }
    HWND Native() { return Edit()->GetNativeWindow(); }
    // The first tab stop takes the focus as the skin is attached: the edit
    // opens by itself, and closes when the focus moves on.
    HWND Open() {
        Edit()->SetFocus();
        return Native();
    }
    void FocusOther() { manager().SetFocus(Find<CControlUI>(L"other"), true); }
    void Type(const wchar_t* keys) {
        const HWND native = Native();
        for (; *keys != L'\0'; ++keys) {
            ::SendMessageW(native, WM_CHAR, *keys, 1);
        }
    }
    int Count(const wchar_t* type) const {
        int count = 0;
        for (const SeenNotify& notify : log.seen) {
            count += notify.type == type ? 1 : 0;
        }
        return count;
    }
    // What the edit window is given to paint its background with.
    HBRUSH Background(HDC dc) {
        return reinterpret_cast<HBRUSH>(
            Send(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Native())));
    }
};

std::wstring NativeText(HWND native) {
    wchar_t text[64] = L"";
    ::GetWindowTextW(native, text, 64);
    return text;
}

DWORD GdiObjects() {
    return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
}

struct TypingCase {
    const char* name;
    const wchar_t* attributes;
    const wchar_t* keys;
    const wchar_t* text;
    int changes;
    WCHAR shownAs;  // the native window's password character; 0 for none
};

void PrintTo(const TypingCase& typing, std::ostream* out) {
    *out << typing.name;
}

class EditTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(EditTyping, EveryChangeComesBackToTheControl) {
    const TypingCase& typing = GetParam();
    EditTree tree(typing.attributes);
    const HWND native = tree.Open();
    ASSERT_NE(nullptr, native);
    tree.Type(typing.keys);
    EXPECT_EQ(std::wstring(typing.text), tree.Edit()->GetText().GetData());
    EXPECT_EQ(typing.changes, tree.Count(L"textchanged"));
    for (const SeenNotify& notify : tree.log.seen) {
        EXPECT_EQ(tree.Edit(), notify.sender);
    }
    EXPECT_EQ(typing.shownAs, static_cast<WCHAR>(::SendMessageW(native, EM_GETPASSWORDCHAR, 0, 0)));
}

INSTANTIATE_TEST_SUITE_P(
    Edit, EditTyping,
    ::testing::Values(TypingCase{"Plain", L"", L"abc", L"abc", 3, 0},
                      TypingCase{"BackspaceIsAChange", L"", L"ab\b", L"a", 3, 0},
                      TypingCase{"MaxCharStopsAtTheLimit", L"maxchar=\"5\"", L"abcdefg", L"abcde", 5, 0},
                      TypingCase{"NumberOnlyDropsLetters", L"numberonly=\"true\"", L"1a2", L"12", 2, 0},
                      TypingCase{"ReadOnlyTakesNothing", L"readonly=\"true\"", L"abc", L"", 0, 0},
                      TypingCase{"PasswordKeepsTheRealText", L"password=\"true\"", L"pw", L"pw", 2, L'*'}));

TEST(Edit, ReturnIsReportedAndInsertsNothing) {
    EditTree tree(L"text=\"ab\"");
    const HWND native = tree.Open();
    ::SendMessageW(native, WM_KEYDOWN, VK_RETURN, 1);
    ::SendMessageW(native, WM_CHAR, L'\r', 1);
    EXPECT_EQ(1, tree.Count(L"return"));
    EXPECT_EQ(0, tree.Count(L"textchanged"));
    EXPECT_EQ(std::wstring(L"ab"), tree.Edit()->GetText().GetData());
}

struct PressCase {
    const char* name;
    const wchar_t* attributes;
    UINT message;
    DWORD selection;  // EM_GETSEL: start in the low word, end in the high word
    bool editCaptures;
};

void PrintTo(const PressCase& press, std::ostream* out) {
    *out << press.name;
}

class EditPress : public ::testing::TestWithParam<PressCase> {};

// The press lands at the left edge of the text "hello": a press handed on
// puts the caret there, where the edit window opened with it at the end.
TEST_P(EditPress, OpensTheEditAndPlacesTheCaret) {
    const PressCase& press = GetParam();
    EditTree tree((std::wstring(L"text=\"hello\" ") + press.attributes).c_str());
    tree.FocusOther();
    ASSERT_EQ(nullptr, tree.Native());
    const RECT area = tree.Edit()->GetNativeRect();
    const POINT at = {area.left + 1, (area.top + area.bottom) / 2};
    tree.Send(press.message, press.message == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(at.x, at.y));
    const HWND native = tree.Native();
    ASSERT_NE(nullptr, native);
    EXPECT_EQ(press.selection, static_cast<DWORD>(::SendMessageW(native, EM_GETSEL, 0, 0)));
    EXPECT_EQ(press.editCaptures, ::GetCapture() == native);
    // A selection drag would follow the mouse to the far end of the text.
    ::SendMessageW(native, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(area.right - area.left, 1));
    ::SendMessageW(native, WM_LBUTTONUP, 0, MAKELPARAM(area.right - area.left, 1));
    if (!press.editCaptures) {
        EXPECT_EQ(press.selection, static_cast<DWORD>(::SendMessageW(native, EM_GETSEL, 0, 0)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edit, EditPress,
    ::testing::Values(PressCase{"LeftPressPlacesTheCaret", L"", WM_LBUTTONDOWN, 0, true},
                      PressCase{"AutoSelAllSelectsAll", L"autoselall=\"true\"", WM_LBUTTONDOWN, MAKELONG(0, 5), false},
                      PressCase{"RightPressStartsNoSelection", L"", WM_RBUTTONDOWN, MAKELONG(5, 5), false}));

TEST(Edit, SetTextInsideTextChangedSettles) {
    EditTree tree;
    const HWND native = tree.Open();
    int depth = 0;
    int deepest = 0;
    NotifyHook upper(tree.manager(), [&](NotifyMsg& msg) {
        // Bounded, so that a recursion fails the test instead of the stack.
        if (!(msg.type == L"textchanged") || depth >= 10) {
            return;
        }
        ++depth;
        deepest = depth > deepest ? depth : deepest;
        std::wstring text = tree.Edit()->GetText().GetData();
        for (wchar_t& ch : text) {
            ch = static_cast<wchar_t>(std::towupper(ch));
        }
        tree.Edit()->SetText(text.c_str());
        --depth;
    });
    tree.Type(L"a");
    EXPECT_EQ(std::wstring(L"A"), NativeText(native));
    EXPECT_EQ(std::wstring(L"A"), tree.Edit()->GetText().GetData());
    EXPECT_EQ(2, deepest) << "one SetText that changes the text, then one that finds it done";
    EXPECT_EQ(2, tree.Count(L"textchanged"));

    // Setting the window's text would move the caret to the start.
    ::SendMessageW(native, EM_SETSEL, 1, 1);
    tree.Edit()->SetText(L"A");
    EXPECT_EQ(MAKELONG(1, 1), ::SendMessageW(native, EM_GETSEL, 0, 0)) << "the text the window has is not set again";
    EXPECT_EQ(2, tree.Count(L"textchanged"));
    tree.Edit()->SetText(L"b");
    EXPECT_EQ(std::wstring(L"B"), NativeText(native));
    EXPECT_EQ(4, tree.Count(L"textchanged"));
}

// Ways to end an edit other than a focus change, each closing the window at once.
struct EndingCase {
    const char* name;
    void (*end)(EditTree& tree);
    void (*restore)(EditTree& tree);  // null: the control is gone
};

void PrintTo(const EndingCase& ending, std::ostream* out) {
    *out << ending.name;
}

const EndingCase kEndings[] = {
    {"Destroyed",
     [](EditTree& tree) {
         CEditUI* edit = tree.Edit();
         tree.Column()->Remove(edit, true);
         edit->Delete();
     },
     nullptr},
    {"Hidden", [](EditTree& tree) { tree.Edit()->SetVisible(false); },
     [](EditTree& tree) { tree.Edit()->SetVisible(true); }},
    {"Disabled", [](EditTree& tree) { tree.Edit()->SetEnabled(false); },
     [](EditTree& tree) { tree.Edit()->SetEnabled(true); }},
    {"AncestorHidden", [](EditTree& tree) { tree.Column()->SetVisible(false); },
     [](EditTree& tree) { tree.Column()->SetVisible(true); }},
};

class EditEnding : public ::testing::TestWithParam<EndingCase> {
protected:
    // The edit opens again on a press, with the text typed before.
    static void ExpectUsable(EditTree& tree, const EndingCase& ending, const wchar_t* text) {
        if (ending.restore == nullptr) {
            EXPECT_EQ(nullptr, tree.manager().FindControlByName(L"edit"));
            return;
        }
        ending.restore(tree);
        tree.Settle();
        const POINT at = CentreOf(tree.Edit()->GetPos());
        tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        const HWND native = tree.Native();
        ASSERT_NE(nullptr, native);
        ::SendMessageW(native, WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(std::wstring(text), NativeText(native));
    }
};

TEST_P(EditEnding, ClosesTheWindowAtOnce) {
    EditTree tree(L"text=\"kept\"");
    const HWND native = tree.Open();
    ASSERT_TRUE(::IsWindow(native));
    GetParam().end(tree);
    EXPECT_FALSE(::IsWindow(native));
    tree.Settle();
    ExpectUsable(tree, GetParam(), L"kept");
}

TEST_P(EditEnding, ClosesTheWindowFromInsideTextChanged) {
    EditTree tree;
    const HWND native = tree.Open();
    NotifyHook ender(tree.manager(), [&](NotifyMsg& msg) {
        if (msg.type == L"textchanged") {
            GetParam().end(tree);
        }
    });
    tree.Type(L"x");
    EXPECT_FALSE(::IsWindow(native));
    EXPECT_EQ(1, tree.Count(L"textchanged"));
    tree.Settle();
    ExpectUsable(tree, GetParam(), L"x");
}

INSTANTIATE_TEST_SUITE_P(Edit, EditEnding, ::testing::ValuesIn(kEndings));

// Blocks the creation of edit windows while it lives.
class EditWindowsRefused {
public:
    EditWindowsRefused() { m_hook = ::SetWindowsHookExW(WH_CBT, &Refuse, nullptr, ::GetCurrentThreadId()); }
    ~EditWindowsRefused() { ::UnhookWindowsHookEx(m_hook); }

private:
    static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            LPCWSTR name = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->lpszClass;
            if (!IS_INTRESOURCE(name) && std::wstring(name) == L"EditWnd") {
                return 1;
            }
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook = nullptr;
};

TEST(Edit, AFailedWindowLeavesTheControlUsable) {
    EditTree tree(L"text=\"still\"");
    {
        EditWindowsRefused refused;
        const size_t blocks = BusyHeapBlocks();
        for (int attempt = 0; attempt < 1000; ++attempt) {
            tree.FocusOther();
            tree.Edit()->SetFocus();
            ASSERT_EQ(nullptr, tree.Native());
        }
        EXPECT_LT(BusyHeapBlocks(), blocks + 300) << "one window object left behind per attempt";
    }
    tree.FocusOther();
    EXPECT_NE(nullptr, tree.Open());
}

struct ColourCase {
    const char* name;
    const wchar_t* background;
    UINT brushStyle;  // of the brush handed to the edit window; -1: none
    COLORREF brushColour;
};

void PrintTo(const ColourCase& colour, std::ostream* out) {
    *out << colour.name;
}

class EditColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(EditColours, ArgbBecomesWhatGdiTakes) {
    const ColourCase& colour = GetParam();
    EditTree tree((std::wstring(L"textcolor=\"#FF405060\" nativebkcolor=\"") + colour.background + L"\"").c_str());
    const HWND native = tree.Open();
    HDC dc = ::GetDC(native);
    const HBRUSH brush = tree.Background(dc);
    LOGBRUSH described = {};
    if (colour.brushStyle == static_cast<UINT>(-1)) {
        EXPECT_EQ(nullptr, brush) << "the system's colours";
    } else {
        ASSERT_NE(0, ::GetObjectW(brush, sizeof(described), &described));
        EXPECT_EQ(colour.brushStyle, described.lbStyle);
        if (colour.brushStyle == BS_SOLID) {
            EXPECT_EQ(colour.brushColour, described.lbColor);
        }
        EXPECT_EQ(RGB(0x40, 0x50, 0x60), ::GetTextColor(dc));
    }
    ::ReleaseDC(native, dc);
}

INSTANTIATE_TEST_SUITE_P(Edit, EditColours,
                         ::testing::Values(ColourCase{"OpaqueWhite", L"#FFFFFFFF", static_cast<UINT>(-1), 0},
                                           ColourCase{"Opaque", L"#FF102030", BS_SOLID, RGB(0x10, 0x20, 0x30)},
                                           ColourCase{"Translucent", L"#80102030", BS_PATTERN, 0}));

TEST(Edit, ATranslucentBackgroundKeepsItsGdiObjectsThroughKeystrokesAndColours) {
    EditTree tree(L"nativebkcolor=\"#80FF0000\"");
    const HWND native = tree.Open();
    HDC dc = ::GetDC(native);
    const HBRUSH first = tree.Background(dc);
    ASSERT_NE(nullptr, first);
    const DWORD objects = GdiObjects();
    for (int key = 0; key < 1000; ++key) {
        ::SendMessageW(native, WM_CHAR, key % 2 == 0 ? L'x' : L'\b', 1);
        ::UpdateWindow(native);  // the edit asks for its background as it paints
    }
    EXPECT_EQ(first, tree.Background(dc)) << "the same brush for the same colour and place";
    std::vector<HBRUSH> brushes;
    for (DWORD colour = 0; colour < 1000; ++colour) {
        tree.Edit()->SetNativeBackground(0x80000000 | colour);
        brushes.push_back(tree.Background(dc));
        ASSERT_NE(nullptr, brushes.back());
    }
    // Only the brush of the last colour is left; a handle of an older one may
    // have come back as that brush or as another kind of object.
    int stale = 0;
    for (HBRUSH brush : brushes) {
        stale += brush != brushes.back() && ::GetObjectType(brush) == OBJ_BRUSH ? 1 : 0;
    }
    EXPECT_EQ(0, stale);
    EXPECT_LE(GdiObjects(), objects) << "Wine counts none; Windows counts the pattern bitmaps too";
    ::ReleaseDC(native, dc);
}

TEST(Edit, ALayeredWindowShowsTheWholeEditOpaque) {
    g_push = LayeredPush();
    const UpdateLayeredWindowFunction previous = SetUpdateLayeredWindowFunction(&CaptureLayeredPush);
    {
        EditTree tree(L"text=\"WWWWWW\" textcolor=\"#FF000000\"");
        tree.manager().SetLayered(true);
        const HWND native = tree.Open();
        const RECT area = tree.Edit()->GetNativeRect();
        ::SendMessageW(native, WM_TIMER, 20, 0);  // the blink that shows the caret
        for (int tick = 0; tick < 3; ++tick) {
            tree.Send(WM_TIMER, kLayeredRepaintTimer);
        }
        ASSERT_NE(nullptr, native);
        ASSERT_GE(g_push.bitmapSize.cx, area.right);
        ASSERT_GE(g_push.bitmapSize.cy, area.bottom);
        int black = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                ASSERT_EQ(0xFF000000u, g_push.At(x, y) & 0xFF000000u) << x << "," << y;
                black += g_push.At(x, y) == 0xFF000000u ? 1 : 0;
            }
        }
        EXPECT_GE(black, area.bottom - area.top) << "at least the caret, a black line";
        for (int x = area.left; x < area.right; x += 4)
            tree.manager().SetLayered(false);
    }
    SetUpdateLayeredWindowFunction(previous);
}

}  // namespace
