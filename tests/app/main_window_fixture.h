#pragma once
// The program's main window, in-process and hidden, on the fake font system:
// real skins and controls, real window messages, no session fonts touched.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/windows/CharMap.h"
#include "app/windows/MenuWnd.h"
#include "app/windows/QuilletMain.h"
#include "tests/app/FakeFontSystem.h"
#include "ui/controls/UIButton.h"
#include "ui/core/manager/UIManager.h"

class FakeNameReader : public IFontNameReader {
public:
    std::map<std::wstring, std::wstring> names;
    std::wstring ReadFullName(const std::wstring& path) override {
        auto found = names.find(path);
        return found == names.end() ? std::wstring() : found->second;
    }
    // A face FreeType could not read: the character map falls back on GDI.
    FontFaceInfo ReadFace(const std::wstring& path) override {
        FontFaceInfo face;
        face.fullName = ReadFullName(path);
        return face;
    }
};

inline std::wstring TestJournalPath() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"quillet-test-journal.txt";
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { ::DeleteFileW(journal.Path().c_str()); }

    void SetUp() override {
        SkinUI::CUIManager::SetInstance(::GetModuleHandleW(nullptr));
        fonts.mountAlwaysSucceeds = true;
        window = new CQuilletMain(fonts, names, journal);
        // Hidden: Wine maps a window slowly without a window manager.
        hwnd = window->Create(nullptr, L"墨匣", WS_POPUP, WS_EX_ACCEPTFILES, 0, 0, 600, 800);
        ASSERT_NE(hwnd, nullptr);
        Layout();
        // What the first paint reports; the menu learns its target from it.
        window->GetManager().SendNotify(window->GetManager().GetRoot(), L"windowinit");
    }
    void TearDown() override {
        if (::IsWindow(hwnd)) {
            ::DestroyWindow(hwnd);
        }
        // The character map lives until the process ends; tests end it themselves.
        while (HWND map = ::FindWindowW(L"TXGuiFoundation", nullptr)) {
            ::DestroyWindow(map);
        }
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT) {
                ::DispatchMessageW(&msg);
            }
        }
        ::DeleteFileW(journal.Path().c_str());
    }

    static std::wstring FontPath(int n) { return L"C:\\Fonts\\font" + std::to_wstring(n) + L".ttf"; }

    // Drops fonts first..first+count-1 as the shell would.
    void DropFonts(int count, int first = 0) {
        FakeDrop drop;
        for (int i = first; i < first + count; ++i) {
            drop.paths.push_back(FontPath(i));
        }
        ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop.Handle()), 0);
        WaitForLoad();
    }

    // Pumps messages until no batch loads any more, then lays the tree out.
    void WaitForLoad() {
        for (int wait = 0; wait < 2000 && window->IsLoading(); ++wait) {
            Pump();
            ::Sleep(5);
        }
        Pump();
        Layout();
    }

    // Lays the whole tree out, as a paint of the (hidden) window would.
    void Layout() {
        RECT client;
        ::GetClientRect(hwnd, &client);
        window->GetManager().GetRoot()->SetPos(client, false);
        Pump();
    }

    void Pump() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT) {
                ::DispatchMessageW(&msg);
            }
        }
    }

    POINT CenterOf(SkinUI::CControlUI* control) const {
        const RECT rect = control->GetPos();
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    void Click(POINT point, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP) {
        const LPARAM where = MAKELPARAM(point.x, point.y);
        ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, where);
        ::SendMessageW(hwnd, down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, where);
        ::SendMessageW(hwnd, up, 0, where);
        Pump();
        Layout();
    }
    void Click(SkinUI::CControlUI* control) { Click(CenterOf(control)); }

    SkinUI::CControlUI* Named(LPCWSTR name) { return window->GetManager().FindControlByName(name); }
    std::wstring TitleText() { return Named(L"wndtitle")->GetText().GetData(); }
    std::wstring CellText(int row, int cell) { return window->Cell(row, cell)->GetText().GetData(); }

    FakeFontSystem fonts;
    FakeNameReader names;
    // A journal of the test's own, never the user's.
    MountJournal journal{TestJournalPath()};
    CQuilletMain* window = nullptr;
    HWND hwnd = nullptr;
};
