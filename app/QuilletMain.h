#pragma once
// The main window: the mounted fonts in a list of 13 rows, the options
// beside it, and the popup menu and character map it drives.
#include "app/AppWindow.h"
#include "app/FontMountList.h"
#include "app/FontNameReader.h"

namespace SkinUI {
class CButtonUI;
class CCheckBoxUI;
class CLabelUI;
class CListUI;
class CScrollBarUI;
}  // namespace SkinUI

class CharMap;
class CMenuWnd;

class CQuilletMain : public CAppWindow {
public:
    static constexpr UINT kStatusDuration = 3500;
    static constexpr UINT kPathCopiedTimer = 2;
    static constexpr UINT kNameCopiedTimer = 3;
    static constexpr int kCellCount = 4;

    // `fonts` and `names` outlive the window.
    CQuilletMain(IFontSystem& fonts, IFontNameReader& names);
    ~CQuilletMain() override;

    void Notify(SkinUI::NotifyMsg& msg) override;

    const FontMountList& Registry() const { return m_registry; }
    // The row menu and the character map, made at their first use: a start
    // of the program pays for neither.
    CMenuWnd* GetMenu();
    CharMap* GetCharMap();
    CharMap* GetCharMapIfMade() const { return m_charMap; }
    SkinUI::CButtonUI* Cell(int row, int cell) const { return m_cells[row][cell]; }

    // The shell call that shows a file in its folder; tests put a recorder in its place.
    using FolderOpener = void (*)(const std::wstring& path);
    void SetFolderOpener(FolderOpener opener) { m_showInFolder = opener; }

    // The row actions, each on the full path of a mounted font; an empty path does nothing.
    void CopyFolderPath(const std::wstring& path);
    void OpenFolder(const std::wstring& path);
    void CopyFontName(const std::wstring& path);
    void OpenCharMap(const std::wstring& path);

protected:
    LPCWSTR GetWindowClassName() const override { return L"Quillet"; }
    void InitWindow() override;
    SkinUI::CUIString GetSkinFile() override { return L"109"; }
    LRESULT OnMouseWheel(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void BuildRows();
    // Puts what the registry decided into the row cells and the scroll bar.
    void ShowRegistry();
    void ShowStatus(const std::wstring& text, UINT timerId);
    void RestoreTitle();
    void OnCellClick(SkinUI::CControlUI* cell);
    void OnScroll(WPARAM wParam);
    void ShowMenuAt(POINT clientPoint);
    void ShowAbout();
    // Hides the character map when the font it shows has just been unmounted.
    void HideCharMapOfRemovedFont();
    // The path of the row the list has selected, empty without one.
    std::wstring SelectedPath() const;
    bool IsChecked(SkinUI::CCheckBoxUI* box) const;
    bool IsMenuShown() const;
    void SwitchIn();
    void SwitchOut();

    FontMountList m_registry;
    IFontNameReader& m_names;
    FolderOpener m_showInFolder;
    CMenuWnd* m_menu = nullptr;
    CharMap* m_charMap = nullptr;
    // The control in whose manager the menu sends its commands: the root, once the first paint reported it.
    SkinUI::CControlUI* m_menuTarget = nullptr;
    SkinUI::CLabelUI* m_title = nullptr;
    SkinUI::CListUI* m_list = nullptr;
    SkinUI::CScrollBarUI* m_scrollBar = nullptr;
    SkinUI::CButtonUI* m_cells[FontMountList::kRowCount][kCellCount] = {};
    SkinUI::CCheckBoxUI* m_copyPathBox = nullptr;
    SkinUI::CCheckBoxUI* m_openFolderBox = nullptr;
    SkinUI::CCheckBoxUI* m_copyNameBox = nullptr;
    SkinUI::CCheckBoxUI* m_charMapBox = nullptr;
    SkinUI::CCheckBoxUI* m_switchBox = nullptr;
    bool m_scrollBarShown = false;
    bool m_switchedIn = false;
};
