// The date-time control with the real system picker: where the picker starts,
// what its keys, its calendar and the loss of focus write back, and what
// becomes of it when the control goes away, hides or is disabled.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "list_test_support.h"
#include "location_reset.h"
#include "ui/core/resources/UIResourceLocation.h"
#include "ui/core/window/UIWindowImplBase.h"
#include "ui/extra/UIDateTime.h"

using namespace SkinUI;

namespace {

const wchar_t kSkin[] =
    L"<Window><VerticalLayout><VerticalLayout name=\"box\" height=\"30\"><DateTime name=\"date\" width=\"200\"/>"
    L"</VerticalLayout><Label name=\"other\" height=\"30\"/></VerticalLayout></Window>";

void PumpAll() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

SYSTEMTIME Day(WORD year, WORD month, WORD day) {
    SYSTEMTIME date = {};
    date.wYear = year;
    date.wMonth = month;
    date.wDay = day;
    return date;
}

std::wstring Text(const SYSTEMTIME& date) {
    wchar_t text[16];
    swprintf(text, 16, L"%04d-%02d-%02d", date.wYear, date.wMonth, date.wDay);
    return text;
}

SYSTEMTIME PickerDate(HWND picker) {
    SYSTEMTIME date = {};
    ::SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
    return date;
}

void SetPickerDate(HWND picker, SYSTEMTIME date) {
    ::SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
}

// Pressed and released as the user would, through the message loop's filters.
void Type(HWND target, WPARAM key) {
    for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        MSG msg = {target, message, key, 0, 0, {0, 0}};
        if (!CUIManager::TranslateMessage(&msg)) {
            ::DispatchMessageW(&msg);
        }
    }
}

// The date control of kSkin, its picker opened by taking the focus.
struct OpenPicker {
    SkinnedTree tree{kSkin};
    CDateTimeUI* date = tree.Find<CDateTimeUI>(L"date");
    HWND picker = nullptr;

    void Open() {
        date->SetFocus();
        picker = date->GetNativeWindow();
        ASSERT_TRUE(::IsWindow(picker));
        ASSERT_EQ(::GetFocus(), picker);
    }
    bool Closed() const { return date->GetNativeWindow() == nullptr && !::IsWindow(picker); }
};

TEST(DateTime, ASkinsDateTimeShowsTodayAsYearMonthDay) {
    SkinnedTree tree(kSkin);
    CControlUI* date = tree.Find<CControlUI>(L"date");
    ASSERT_NE(date->GetInterface(L"DateTime"), nullptr);
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    EXPECT_EQ(Text(today), date->GetText().GetData());
    EXPECT_EQ(date->GetNativeWindow(), nullptr) << "no picker until the control is used";
}

struct StartCase {
    const wchar_t* text;
    SYSTEMTIME start;  // zero: today
};

TEST(DateTime, ACallersDateIsWhereThePickerStartsAndOtherTextsAreNot) {
    const StartCase cases[] = {
        {L"2024-02-29", Day(2024, 2, 29)}, {L"1999-12-31", Day(1999, 12, 31)}, {L"2023-02-29", Day(2001, 2, 3)},
        {L"2024-04-31", Day(2001, 2, 3)},  {L"2024-13-01", Day(2001, 2, 3)},   {L"2024-00-10", Day(2001, 2, 3)},
        {L"2024-1-05", Day(2001, 2, 3)},   {L"2024-01-05x", Day(2001, 2, 3)},  {L"20240105", Day(2001, 2, 3)},
        {L"2024-01-0", Day(2001, 2, 3)},   {L"abcd-ef-gh", Day(2001, 2, 3)},   {L"", SYSTEMTIME{}},
    };
    for (const StartCase& test : cases) {
        SCOPED_TRACE(test.text);
        OpenPicker open;
        open.date->SetText(L"2001-02-03");
        open.date->SetText(test.text);
        EXPECT_EQ(test.text, std::wstring(open.date->GetText().GetData())) << "any text is shown";
        ASSERT_NO_FATAL_FAILURE(open.Open());
        SYSTEMTIME expected = test.start;
        if (expected.wYear == 0) {
            ::GetLocalTime(&expected);
        }
        EXPECT_EQ(Text(expected), Text(PickerDate(open.picker)));
    }
}

// A picker whose date box is unchecked reports no date.
WNDPROC noDateProc = nullptr;
LRESULT CALLBACK ReportNoDate(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == DTM_GETSYSTEMTIME) {
        return GDT_NONE;
    }
    return ::CallWindowProcW(noDateProc, hwnd, message, wParam, lParam);
}

TEST(DateTime, LeavingThePickerWritesItsDateUnlessItHasNone) {
    for (bool none : {false, true}) {
        SCOPED_TRACE(none ? "no date" : "a date");
        OpenPicker open;
        open.date->SetText(L"2001-02-03");
        ASSERT_NO_FATAL_FAILURE(open.Open());
        SetPickerDate(open.picker, Day(2030, 6, 15));
        if (none) {
            noDateProc = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrW(open.picker, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ReportNoDate)));
        }
        open.tree.Click(CentreOf(open.tree.Find<CControlUI>(L"other")->GetPos()));
        PumpAll();
        EXPECT_EQ(none ? L"2001-02-03" : L"2030-06-15", std::wstring(open.date->GetText().GetData()));
        EXPECT_TRUE(open.Closed());
        EXPECT_TRUE(open.tree.log.seen.empty()) << "the control reports nothing of its own";
    }
}

struct KeyCase {
    const char* name;
    WPARAM key;
    const wchar_t* text;
};

TEST(DateTime, DeleteAndBackspaceClearTheTextEscapeKeepsIt) {
    const KeyCase cases[] = {
        {"Delete", VK_DELETE, L""},
        {"Backspace", VK_BACK, L""},
        {"Escape", VK_ESCAPE, L"2001-02-03"},
    };
    for (const KeyCase& test : cases) {
        SCOPED_TRACE(test.name);
        OpenPicker open;
        open.date->SetText(L"2001-02-03");
        ASSERT_NO_FATAL_FAILURE(open.Open());
        SetPickerDate(open.picker, Day(2030, 6, 15));
        Type(open.picker, test.key);
        PumpAll();
        EXPECT_EQ(test.text, std::wstring(open.date->GetText().GetData()));
        EXPECT_TRUE(open.Closed());
    }
}

TEST(DateTime, AKeyReleasedInThePickerButPressedElsewhereDoesNothing) {
    OpenPicker open;
    ASSERT_NO_FATAL_FAILURE(open.Open());
    ::SendMessageW(open.picker, WM_KEYUP, VK_ESCAPE, 0);
    PumpAll();
    EXPECT_EQ(open.date->GetNativeWindow(), open.picker);
}

// Clicks the picker's drop-down button; the calendar takes the focus.
HWND DropCalendar(HWND picker) {
    RECT client;
    ::GetClientRect(picker, &client);
    const LPARAM button = MAKELPARAM(client.right - 5, client.bottom / 2);
    ::SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, button);
    ::SendMessageW(picker, WM_LBUTTONUP, 0, button);
    return reinterpret_cast<HWND>(::SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
}

// Clicks a day in the lower half of the calendar, which closes it.
void ChooseDay(HWND calendar) {
    RECT client;
    ::GetClientRect(calendar, &client);
    const LPARAM day = MAKELPARAM(client.right / 2, client.bottom * 3 / 4);
    ::SendMessageW(calendar, WM_LBUTTONDOWN, MK_LBUTTON, day);
    ::SendMessageW(calendar, WM_LBUTTONUP, 0, day);
}

TEST(DateTime, TheCalendarKeepsThePickerOpenUntilItClosesWithoutGivingTheFocusBack) {
    OpenPicker open;
    open.date->SetText(L"2024-02-10");
    ASSERT_NO_FATAL_FAILURE(open.Open());
    for (bool focusBack : {true, false}) {
        SCOPED_TRACE(focusBack ? "focus back" : "focus elsewhere");
        const HWND calendar = DropCalendar(open.picker);
        ASSERT_TRUE(::IsWindowVisible(calendar));
        ASSERT_EQ(::GetFocus(), calendar);
        PumpAll();
        EXPECT_EQ(open.date->GetNativeWindow(), open.picker) << "the calendar is the picker's own";
        EXPECT_EQ(L"2024-02-10", std::wstring(open.date->GetText().GetData()));

        ChooseDay(calendar);
        ASSERT_FALSE(::IsWindowVisible(calendar));
        const std::wstring chosen = Text(PickerDate(open.picker));
        if (focusBack) {
            ::SetFocus(open.picker);
        }
        PumpAll();
        if (focusBack) {
            EXPECT_EQ(open.date->GetNativeWindow(), open.picker);
            EXPECT_EQ(L"2024-02-10", std::wstring(open.date->GetText().GetData())) << "still being edited";
        } else {
            EXPECT_TRUE(open.Closed());
            EXPECT_EQ(chosen, open.date->GetText().GetData());
        }
    }
}

struct EndCase {
    const char* name;
    std::function<void(OpenPicker&)> act;
    const wchar_t* text;  // null: the control is gone
};

TEST(DateTime, DestroyingHidingOrDisablingTheControlClosesItsPicker) {
    const EndCase cases[] = {
        {"removed", [](OpenPicker& open) { open.tree.Find<CContainerUI>(L"box")->Remove(open.date); }, nullptr},
        {"tree replaced", [](OpenPicker& open) { open.tree.manager().AttachRoot(new CControlUI); }, nullptr},
        {"hidden", [](OpenPicker& open) { open.date->SetVisible(false); }, L"2030-06-15"},
        {"parent hidden", [](OpenPicker& open) { open.tree.Find<CControlUI>(L"box")->SetVisible(false); },
         L"2030-06-15"},
        {"disabled", [](OpenPicker& open) { open.date->SetEnabled(false); }, L"2030-06-15"},
    };
    for (const EndCase& test : cases) {
        SCOPED_TRACE(test.name);
        OpenPicker open;
        ASSERT_NO_FATAL_FAILURE(open.Open());
        SetPickerDate(open.picker, Day(2030, 6, 15));
        // Focus handed on the control's way leaves the native focus where it
        // is: only the control's own rule can close the picker then.
        open.tree.Find<CControlUI>(L"other")->SetFocus();
        ASSERT_EQ(::GetFocus(), open.picker);
        test.act(open);
        if (test.text != nullptr) {
            EXPECT_EQ(open.date->GetNativeWindow(), nullptr) << "let go at once";
            EXPECT_FALSE(::IsWindowVisible(open.picker)) << "hidden at once";
        }
        PumpAll();
        EXPECT_FALSE(::IsWindow(open.picker));
        if (test.text != nullptr) {
            EXPECT_EQ(test.text, std::wstring(open.date->GetText().GetData()));
        }
    }
}

TEST(DateTime, ThePickerFollowsTheControlAndHidesWhenScrolledOut) {
    OpenPicker open;
    ASSERT_NO_FATAL_FAILURE(open.Open());
    open.date->SetPos(RECT{10, 3, 150, 27});
    RECT placed;
    ::GetWindowRect(open.picker, &placed);
    ::MapWindowPoints(nullptr, open.tree.Window(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed, (RECT{10, 3, 150, 27}));
    open.date->SetPos(RECT{10, 900, 150, 924});
    EXPECT_FALSE(::IsWindowVisible(open.picker)) << "outside its parent";
}

// A skinned window holding the date control.
class DateWindow : public WindowImplBase {
public:
    HWND CreateHidden() { return Create(nullptr, L"date", WS_POPUP, 0, 100, 100, 300, 200); }

protected:
    LPCWSTR GetWindowClassName() const override { return L"SkinUITestDateWindow"; }
    CUIString GetSkinFolder() override { return L""; }
    CUIString GetSkinFile() override { return kSkin; }
};

TEST(DateTime, EscapeInThePickerClosesThePickerOnlyNotItsWindow) {
    LocationReset location;
    CResourceLocation::SetInstance(::GetModuleHandleW(nullptr));
    DateWindow window;
    const HWND hwnd = window.CreateHidden();
    ASSERT_NE(hwnd, nullptr);
    auto* date = static_cast<CDateTimeUI*>(window.GetManager().FindControlByName(L"date"));
    date->SetText(L"2001-02-03");
    date->SetFocus();
    const HWND picker = date->GetNativeWindow();
    ASSERT_EQ(::GetFocus(), picker);
    SetPickerDate(picker, Day(2030, 6, 15));
    Type(picker, VK_ESCAPE);
    PumpAll();
    EXPECT_TRUE(::IsWindow(hwnd));
    EXPECT_FALSE(::IsWindow(picker));
    EXPECT_EQ(L"2001-02-03", std::wstring(date->GetText().GetData()));
    ::DestroyWindow(hwnd);
}

TEST(DateTime, AClickOpensThePickerAgainAfterEscapeClosedIt) {
    OpenPicker open;
    const POINT centre = CentreOf(open.date->GetPos());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        open.tree.Click(centre);
        PumpAll();
        const HWND picker = open.date->GetNativeWindow();
        ASSERT_TRUE(::IsWindow(picker)) << "a click on the field opens its picker";
        Type(picker, VK_ESCAPE);
        PumpAll();
        ASSERT_EQ(nullptr, open.date->GetNativeWindow());
    }
}

}  // namespace
