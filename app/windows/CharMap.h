#pragma once
// The character map: every character a font supports, 196 at a time in a
// grid of buttons, with a large preview of the clicked one.
#include <string>
#include <vector>

#include "app/fonts/FontNameReader.h"
#include "app/windows/AppWindow.h"

namespace SkinUI {
class CButtonUI;
class CCheckBoxUI;
class CLabelUI;
class CListUI;
class CScrollBarUI;
}  // namespace SkinUI

class CharMap : public CAppWindow {
public:
    static constexpr int kGridSize = 14;
    static constexpr int kPageSize = kGridSize * kGridSize;
    // A character as the cells show and copy it: two units above U+FFFF.
    static std::wstring Utf16Of(char32_t character);
    static constexpr int kPageStep = 20;  // scroll units per page
    static constexpr int kCellTag = 10;
    static constexpr int kCellFont = 1112;
    static constexpr int kPreviewFont = 1113;

    // The main window's "usefocus" box, or null once the main window is gone.
    void SetSwitchBox(SkinUI::CCheckBoxUI* box) { m_switchBox = box; }
    // Fills the grid with the characters of the font file at `path`, drawn in
    // the face GDI knows it by, under its full name (the name 复制字体名称
    // copies). A face FreeType could not read is asked of GDI by its full name.
    void LoadFont(const std::wstring& path, const FontFaceInfo& face);
    // Puts the window away and forgets its font; the next load starts afresh.
    void Hide();
    void Notify(SkinUI::NotifyMsg& msg) override;

    // The file whose characters the window shows, empty when it shows none.
    const std::wstring& FontPath() const { return m_path; }
    const std::vector<char32_t>& Characters() const { return m_chars; }
    SkinUI::CButtonUI* Cell(int index) const { return m_cells[index]; }
    int PageCount() const;

protected:
    LPCWSTR GetWindowClassName() const override { return L"TXGuiFoundation"; }
    void InitWindow() override;
    SkinUI::CUIString GetSkinFile() override { return L"115"; }
    LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT OnMouseWheel(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT OnSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void BuildGrid();
    void ReadCharactersFromGdi(HFONT font);
    void ShowPage(int page);
    bool IsSwitchOn() const;

    SkinUI::CListUI* m_grid = nullptr;
    SkinUI::CLabelUI* m_preview = nullptr;
    SkinUI::CLabelUI* m_title = nullptr;
    SkinUI::CCheckBoxUI* m_copyBox = nullptr;
    SkinUI::CCheckBoxUI* m_switchBox = nullptr;
    SkinUI::CScrollBarUI* m_scrollBar = nullptr;
    std::wstring m_path;
    std::vector<char32_t> m_chars;
    std::vector<SkinUI::CButtonUI*> m_cells;
    bool m_switchedIn = false;
};
