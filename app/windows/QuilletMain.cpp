#include "app/windows/QuilletMain.h"

#include <shellapi.h>

#include <cwchar>

#include "app/system/Clipboard.h"
#include "app/system/DropFilter.h"
#include "app/system/Shell.h"
#include "app/windows/AboutWnd.h"
#include "app/windows/ArrowCursor.h"
#include "app/windows/CharMap.h"
#include "app/windows/MenuWnd.h"
#include "app/windows/WindowHelpers.h"
#include "ui/controls/UIButton.h"
#include "ui/controls/UICheckBox.h"
#include "ui/controls/UILabel.h"
#include "ui/controls/UIList.h"
#include "ui/controls/UIListHBoxElement.h"
#include "ui/controls/UIScrollBar.h"

using namespace SkinUI;

namespace {

constexpr wchar_t kTitle[] = L"墨匣";
constexpr wchar_t kCopyFailed[] = L"复制失败";
constexpr wchar_t kScrollBarShown[] = L"padding=\"554,-331,0,4\"";
constexpr wchar_t kScrollBarHidden[] = L"padding=\"554,0,0,4\"";
constexpr wchar_t kCellAttributes[] =
    L"font=\"1\" endellipsis=\"true\" textpadding=\"4,0,4,0\" "
    L"focusedimage=\"res='111' restype='PNG' corner='5,5,24,24'\" "
    L"normalimage=\"res='110' restype='PNG' corner='5,5,24,24'\" "
    L"pushedimage=\"res='111' restype='PNG' corner='5,5,24,24'\" "
    L"hotimage=\"res='111' restype='PNG' corner='5,5,24,24'\" align=\"left\"";
constexpr int kDeleteCellFont = 122;
// The title bar's height, and the width of its system buttons at the right.
constexpr int kTitleBarHeight = 33;
constexpr int kSystemButtonsWidth = 121;

POINT CursorPoint() {
    POINT cursor = {0, 0};
    ::GetCursorPos(&cursor);
    return cursor;
}

}  // namespace

CQuilletMain::CQuilletMain(IFontSystem& fonts, IFontNameReader& names, const MountJournal& journal)
    : m_fonts(fonts),
      m_journal(journal),
      m_registry(fonts),
      m_queue(m_registry, fonts, journal),
      m_names(names),
      m_showInFolder(&ShowInFolder) {}

CQuilletMain::~CQuilletMain() {
    // Every font this run mounted leaves with it, even when the window closes abnormally.
    // What the system refuses is journalled without asking it more: the next start unmounts it.
    ShowStatus(UnmountEverything(Refused::kKeepListed).status.text, FontMountList::kRemoveAllTimer);
    if (m_charMap != nullptr) {
        // The character map outlives this window until the process ends.
        m_charMap->SetSwitchBox(nullptr);
    }
    ::PostQuitMessage(0);
}

void CQuilletMain::InitWindow() {
    m_list = FindControlAs<CListUI>(m_manager, L"infolist", L"List");
    m_title = FindControlAs<CLabelUI>(m_manager, L"wndtitle", L"Label");
    m_copyPathBox = FindControlAs<CCheckBoxUI>(m_manager, L"copypath", L"CheckBox");
    m_openFolderBox = FindControlAs<CCheckBoxUI>(m_manager, L"openfile", L"CheckBox");
    m_copyNameBox = FindControlAs<CCheckBoxUI>(m_manager, L"copyfontname", L"CheckBox");
    m_charMapBox = FindControlAs<CCheckBoxUI>(m_manager, L"charsetmap", L"CheckBox");
    m_switchBox = FindControlAs<CCheckBoxUI>(m_manager, L"usefocus", L"CheckBox");
    m_notifyBox = FindControlAs<CCheckBoxUI>(m_manager, L"notifyothers", L"CheckBox");
    m_scrollBar = FindControlAs<CScrollBarUI>(m_manager, L"listscroll", L"ScrollBar");
    AllowDropsFromLowerIntegrity(m_hwnd);
    BuildRows();
    m_queue.SetWindow(m_hwnd, kLoadPreparedMessage, kLoadDoneMessage);
    RecoverLeftovers();
}

CMenuWnd* CQuilletMain::GetMenu() {
    if (m_menu == nullptr && m_hwnd != nullptr) {
        m_menu = CreateOwned(new CMenuWnd, m_hwnd, L"", WS_POPUP, 0, 0, 0, m_manager.Scale(117), m_manager.Scale(139));
        if (m_menu != nullptr) {
            m_menu->SetTarget(m_menuTarget);
        }
    }
    return m_menu;
}

CharMap* CQuilletMain::GetCharMap() {
    if (m_charMap == nullptr) {
        m_charMap = CreateOwned(new CharMap, ::GetDesktopWindow(), L"CharSet Map", 0, 0, 0, 0, 650, 460);
        if (m_charMap == nullptr) {
            return nullptr;
        }
        m_charMap->SetSwitchBox(m_switchBox);
        m_charMap->CenterWindow();
        RECT rect;
        ::GetWindowRect(*m_charMap, &rect);
        // Beside the main window rather than on top of it.
        ::MoveWindow(*m_charMap, rect.left + m_manager.Scale(230), rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, FALSE);
    }
    return m_charMap;
}

void CQuilletMain::BuildRows() {
    if (m_list == nullptr) {
        return;
    }
    for (int row = 0; row < FontMountList::kRowCount; ++row) {
        auto* element = new CListHBoxElementUI;
        element->SetAttributeList(L"height=\"26\"");
        for (int index = 0; index < kCellCount; ++index) {
            auto* cell = new CButtonUI;
            cell->SetAttributeList(kCellAttributes);
            wchar_t name[4];
            swprintf(name, 4, L"%d", index);
            cell->SetName(name);
            if (index == kCellCount - 1) {
                cell->SetFont(kDeleteCellFont);
            }
            HookArrowCursor(cell);
            element->Add(cell);
            m_cells[row][index] = cell;
        }
        m_list->Add(element);
    }
}

void CQuilletMain::ShowRegistry() {
    for (int row = 0; row < FontMountList::kRowCount; ++row) {
        for (int index = 0; index < kCellCount; ++index) {
            CButtonUI* cell = m_cells[row][index];
            if (cell == nullptr) {
                continue;
            }
            const RowCell& shown = m_registry.Row(row).cells[index];
            cell->SetTag(shown.tag);
            cell->SetText(shown.text.c_str());
            cell->SetUserData(shown.userData.c_str());
            if (index == 1) {
                // The column cuts long paths; the tooltip shows the whole of it.
                cell->SetToolTip(shown.tag != 0 ? shown.text.c_str() : L"");
            }
        }
    }
    if (m_scrollBar == nullptr) {
        return;
    }
    const ScrollState& scroll = m_registry.Scroll();
    m_scrollBar->SetLineSize(scroll.lineSize);
    m_scrollBar->SetScrollRange(scroll.range);
    m_scrollBar->SetScrollPos(scroll.position, false);
    if (scroll.visible != m_scrollBarShown) {
        // The bar stands over the list's right edge when shown, below the list (out of sight) when not.
        m_scrollBar->SetAttributeList(scroll.visible ? kScrollBarShown : kScrollBarHidden);
        m_scrollBarShown = scroll.visible;
    }
}

void CQuilletMain::ShowStatus(const std::wstring& text, UINT timerId) {
    if (m_title != nullptr) {
        m_title->SetText(text.c_str());
    }
    if (m_hwnd != nullptr && ::IsWindow(m_hwnd)) {
        ::SetTimer(m_hwnd, timerId, kStatusDuration, nullptr);
    }
}

void CQuilletMain::RestoreTitle() {
    if (m_title != nullptr) {
        m_title->SetText(kTitle);
    }
    for (UINT timer : {FontMountList::kRemoveAllTimer, kPathCopiedTimer, kNameCopiedTimer}) {
        ::KillTimer(m_hwnd, timer);
    }
}

bool CQuilletMain::IsChecked(CCheckBoxUI* box) const {
    return box != nullptr && box->IsSelected();
}

void CQuilletMain::Notify(NotifyMsg& msg) {
    const CUIString senderName = msg.sender != nullptr ? msg.sender->GetName() : CUIString();
    if (msg.type == L"click") {
        if (senderName == L"closebtn" || senderName == L"closewnd") {
            Close(1);
        } else if (senderName == L"minbtn") {
            SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        } else if (senderName == L"removeall") {
            const StatusText status = UnmountEverything(Refused::kAskTheSystem).status;
            ShowRegistry();
            HideCharMapOfRemovedFont();
            ShowStatus(status.text, status.timerId);
        } else if (msg.sender != nullptr) {
            OnCellClick(msg.sender);
        }
    } else if (msg.type == L"scroll") {
        OnScroll(msg.wParam);
    } else if (msg.type == L"windowinit") {
        m_menuTarget = msg.sender;
        if (m_menu != nullptr) {
            m_menu->SetTarget(m_menuTarget);
        }
    } else if (msg.type == L"itemclick") {
        m_manager.SendNotify(nullptr, L"itemselect", 0, 0, false, true);
    } else if (msg.type == L"itemselect") {
        ShowMenuAt(msg.mouse);
    } else if (msg.type == L"copypath") {
        CopyFolderPath(SelectedPath());
    } else if (msg.type == L"charsetmap") {
        OpenCharMap(SelectedPath());
    } else if (msg.type == L"openfolder") {
        OpenFolder(SelectedPath());
    } else if (msg.type == L"copyfontname") {
        CopyFontName(SelectedPath());
    } else if (msg.type == L"aboutor") {
        ShowAbout();
    }
}

void CQuilletMain::OnCellClick(CControlUI* cell) {
    const std::wstring path = cell->GetUserData().GetData();
    switch (cell->GetTag()) {
    case FontMountList::kTagFileName:
        if (IsChecked(m_copyNameBox)) {
            CopyFontName(path);
        }
        break;
    case FontMountList::kTagPath:
        if (IsChecked(m_copyPathBox)) {
            CopyFolderPath(path);
        }
        if (IsChecked(m_openFolderBox)) {
            OpenFolder(path);
        }
        if (IsChecked(m_charMapBox)) {
            OpenCharMap(path);
        }
        break;
    case FontMountList::kTagDelete:
        switch (m_registry.UnmountRow(_wtoi(path.c_str()))) {
        case RowRemoval::kRemoved:
            ShowRegistry();
            HideCharMapOfRemovedFont();
            m_queue.Record();
            NotifyOthers(1);
            break;
        case RowRemoval::kStillMounted:
            ShowStatus(L"未能卸载: 字体正被其它程序使用", FontMountList::kRemoveAllTimer);
            break;
        case RowRemoval::kNoEntry:
            break;
        }
        break;
    default:
        break;
    }
}

void CQuilletMain::OnScroll(WPARAM wParam) {
    if (m_registry.Count() < FontMountList::kVisibleRows) {
        return;
    }
    if (m_scrollBar != nullptr) {
        // A drag or step of the bar moved it already; the wheel moves from there.
        m_registry.ScrollTo(m_scrollBar->GetScrollPos());
    }
    m_registry.ScrollByNotches(WheelNotches(wParam));
    ShowRegistry();
}

LRESULT CQuilletMain::OnMouseWheel(UINT, WPARAM wParam, LPARAM, bool& handled) {
    if (m_registry.Count() > 0) {
        m_manager.SendNotify(nullptr, L"scroll", wParam, 0, false, true);
    }
    handled = false;
    return 0;
}

std::wstring CQuilletMain::SelectedPath() const {
    const int selected = m_list != nullptr ? m_list->GetCurSel() : -1;
    if (selected < 0 || selected >= FontMountList::kRowCount || m_cells[selected][0] == nullptr) {
        return std::wstring();
    }
    return m_cells[selected][0]->GetUserData().GetData();
}

void CQuilletMain::ShowMenuAt(POINT clientPoint) {
    CMenuWnd* menu = GetMenu();
    if (menu == nullptr || !::IsWindow(*menu)) {
        return;
    }
    ::ClientToScreen(m_hwnd, &clientPoint);
    RECT rect;
    ::GetWindowRect(*menu, &rect);
    ::MoveWindow(*menu, clientPoint.x, clientPoint.y, rect.right - rect.left, rect.bottom - rect.top, FALSE);
    menu->ShowWindow(true, true);
    ::SetFocus(*menu);
}

void CQuilletMain::ShowAbout() {
    CAboutWnd* about = CreateOwned(new CAboutWnd, m_hwnd, L"", WS_POPUP, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT);
    if (about == nullptr) {
        return;
    }
    about->CenterWindow();
    m_about = *about;
    about->ShowModal();
    m_about = nullptr;
    if (m_closeAfterAbout) {
        Close(1);
    }
}

LRESULT CQuilletMain::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
    handled = m_about != nullptr;
    if (m_about != nullptr) {
        // Ending this window inside the About window's loop would delete it
        // under the handler that runs the loop: end the About window first.
        m_closeAfterAbout = true;
        ::PostMessageW(m_about, WM_CLOSE, 0, 0);
    }
    return 0;
}

void CQuilletMain::CopyFolderPath(const std::wstring& path) {
    if (path.empty()) {
        return;
    }
    const bool copied = CopyToClipboard(m_hwnd, FolderOf(path));
    ShowStatus(copied ? L"已复制路径到剪贴板" : kCopyFailed, kPathCopiedTimer);
}

void CQuilletMain::OpenFolder(const std::wstring& path) {
    if (path.empty()) {
        return;
    }
    m_showInFolder(path);
    ::SetFocus(m_hwnd);
}

void CQuilletMain::CopyFontName(const std::wstring& path) {
    if (path.empty()) {
        return;
    }
    const std::wstring name = m_names.ReadFullName(path);
    if (name.empty()) {
        // The clipboard keeps what it had: there is nothing to put on it.
        ShowStatus(L"未找到字体名称", kNameCopiedTimer);
        return;
    }
    const bool copied = CopyToClipboard(m_hwnd, name);
    ShowStatus(copied ? L"已复制字体名称到剪贴板" : kCopyFailed, kNameCopiedTimer);
}

void CQuilletMain::OpenCharMap(const std::wstring& path) {
    if (path.empty()) {
        return;
    }
    CharMap* charMap = GetCharMap();
    if (charMap == nullptr) {
        return;
    }
    charMap->LoadFont(path, m_names.ReadFace(path));
    charMap->ShowWindow(true, true);
}

void CQuilletMain::HideCharMapOfRemovedFont() {
    // A window over a font that is gone would draw a substitute's characters under its name.
    if (m_charMap != nullptr && !m_charMap->FontPath().empty() && !m_registry.Contains(m_charMap->FontPath())) {
        m_charMap->Hide();
    }
}

bool CQuilletMain::IsMenuShown() const {
    return m_menu != nullptr && ::IsWindowVisible(*m_menu);
}

void CQuilletMain::SwitchIn() {
    if (!IsMenuShown() && !m_switchedIn) {
        m_switchedIn = true;
        BringToFront(m_hwnd);
    }
}

void CQuilletMain::SwitchOut() {
    m_switchedIn = false;
    if (m_charMap != nullptr && ::IsWindowVisible(*m_charMap)) {
        BringToFront(*m_charMap);
    }
}

LRESULT CQuilletMain::OnMouseMove(UINT, WPARAM, LPARAM lParam, bool& handled) {
    handled = false;
    if (IsChecked(m_switchBox) && MouseMessageInWindow(m_hwnd, lParam)) {
        SwitchIn();
    }
    return 0;
}

LRESULT CQuilletMain::HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    LRESULT result = 0;
    if (HandleBatchMessage(message, wParam, lParam, result)) {
        handled = true;
        return result;
    }
    switch (message) {
    case WM_SIZE:
    case WM_NCLBUTTONDBLCLK:
        // The window has one size: no maximising from the title bar.
        handled = true;
        return 1;
    case WM_TIMER:
        RestoreTitle();
        break;
    case WM_NCMOUSEMOVE:
        if (IsChecked(m_switchBox)) {
            SwitchIn();
        }
        break;
    case WM_MOUSELEAVE:
        if (IsChecked(m_switchBox) && !IsMenuShown()) {
            RECT window;
            ::GetWindowRect(m_hwnd, &window);
            // Leaving across the title bar is a move towards the system buttons, not to the character map.
            if (CursorPoint().y > window.top + m_manager.Scale(kTitleBarHeight)) {
                SwitchOut();
            }
        }
        break;
    case WM_NCMOUSELEAVE:
        if (IsChecked(m_switchBox) && !IsMenuShown()) {
            RECT caption;
            ::GetWindowRect(m_hwnd, &caption);
            caption.right -= m_manager.Scale(kSystemButtonsWidth);
            const POINT cursor = CursorPoint();
            if (!::PtInRect(&caption, cursor) && cursor.x < caption.right) {
                SwitchOut();
            }
        }
        break;
    default:
        break;
    }
    return 0;
}
