#pragma once
// The character map: every character a font supports, 196 at a time in a
// grid of buttons, with a large preview of the clicked one.
#include <string>
#include <vector>

#include "app/AppWindow.h"

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
    static constexpr int kPageStep = 20;  // scroll units per page
    static constexpr int kCellTag = 10;
    static constexpr int kCellFont = 1112;
    static constexpr int kPreviewFont = 1113;

    // The main window's "usefocus" box, or null once the main window is gone.
    void SetSwitchBox(SkinUI::CCheckBoxUI* box) { m_switchBox = box; }
    // Fills the grid with the characters of the face and shows its name as the title.
    void LoadFace(const std::wstring& faceName);
    void Notify(SkinUI::NotifyMsg& msg) override;

    const std::vector<wchar_t>& Characters() const { return m_chars; }
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
    void ReadCharacters(HFONT font);
    void ShowPage(int page);
    void Hide();
    bool IsSwitchOn() const;

    SkinUI::CListUI* m_grid = nullptr;
    SkinUI::CLabelUI* m_preview = nullptr;
    SkinUI::CLabelUI* m_title = nullptr;
    SkinUI::CCheckBoxUI* m_copyBox = nullptr;
    SkinUI::CCheckBoxUI* m_switchBox = nullptr;
    SkinUI::CScrollBarUI* m_scrollBar = nullptr;
    std::vector<wchar_t> m_chars;
    std::vector<SkinUI::CButtonUI*> m_cells;
    bool m_switchedIn = false;
};
