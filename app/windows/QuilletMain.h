#pragma once
// The main window: the mounted fonts in a list of 13 rows, the options
// beside it, and the popup menu and character map it drives.
#include "app/fonts/FontMountList.h"
#include "app/fonts/FontNameReader.h"
#include "app/fonts/MountJournal.h"
#include "app/fonts/MountQueue.h"
#include "app/windows/AppWindow.h"

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
    // Updates "正在加载: i/N" while a large batch loads.
    static constexpr UINT kProgressTimer = 4;
    static constexpr UINT kProgressInterval = 100;
    // Posted by the loader when a large batch ends, and when it knows the files it is to mount.
    static constexpr UINT kLoadDoneMessage = WM_APP + 2;
    static constexpr UINT kLoadPreparedMessage = WM_APP + 3;
    static constexpr int kCellCount = 4;
    static constexpr wchar_t kWindowClass[] = L"Quillet";

    // `fonts`, `names` and `journal` outlive the window. At start the window
    // unmounts what the journal says an earlier run left mounted.
    CQuilletMain(IFontSystem& fonts, IFontNameReader& names, const MountJournal& journal);
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

    // Mounts font files and folders as a drop of them would, after any batch
    // that is still loading.
    void MountPaths(std::vector<std::wstring> paths);
    bool IsLoading() const { return m_queue.IsLoading(); }

    // The row actions, each on the full path of a mounted font; an empty path does nothing.
    void CopyFolderPath(const std::wstring& path);
    void OpenFolder(const std::wstring& path);
    void CopyFontName(const std::wstring& path);
    void OpenCharMap(const std::wstring& path);

protected:
    LPCWSTR GetWindowClassName() const override { return kWindowClass; }
    void InitWindow() override;
    SkinUI::CUIString GetSkinFile() override { return L"109"; }
    LRESULT OnMouseWheel(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void BuildRows();
    // Puts what the registry decided into the row cells and the scroll bar.
    void ShowRegistry();
    void ShowStatus(const std::wstring& text, UINT timerId);
    // Unmounts what the journal says a crashed run left mounted.
    void RecoverLeftovers();
    // The messages of the batches; true when `message` was one of them.
    bool HandleBatchMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Starts what waits in the queue, and reports each batch that ends.
    void RunQueue();
    void EndBatch(const DropResult& result);
    void ShowProgress();
    // Stops any load and unmounts every listed font: remove-all, the close and the end of the session.
    RemoveAllResult UnmountEverything(Refused refused);
    // Tells other programs the fonts changed, when the user asked for it.
    void NotifyOthers(int fontsChanged);
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

    IFontSystem& m_fonts;
    const MountJournal& m_journal;
    FontMountList m_registry;
    MountQueue m_queue;
    IFontNameReader& m_names;
    FolderOpener m_showInFolder;
    CMenuWnd* m_menu = nullptr;
    CharMap* m_charMap = nullptr;
    // The About window while its modal loop runs inside this window's handler.
    HWND m_about = nullptr;
    bool m_closeAfterAbout = false;
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
    SkinUI::CCheckBoxUI* m_notifyBox = nullptr;
    bool m_scrollBarShown = false;
    bool m_switchedIn = false;
    bool m_progressShown = false;
};
