#include "app/windows/CharMap.h"

#include <algorithm>
#include <cstddef>
#include <cwchar>

#include "app/system/Clipboard.h"
#include "app/system/Shell.h"
#include "app/windows/WindowHelpers.h"
#include "ui/controls/UIButton.h"
#include "ui/controls/UICheckBox.h"
#include "ui/controls/UILabel.h"
#include "ui/controls/UIList.h"
#include "ui/controls/UIListContainerElement.h"
#include "ui/controls/UIListHeader.h"
#include "ui/controls/UIScrollBar.h"
#include "ui/core/base/UIUtf8.h"

using namespace SkinUI;

namespace {

constexpr wchar_t kCellAttributes[] =
    L"font=\"1112\" sepwidth=\"0\" bkimage=\"res='110' restype='png'\" focusedimage=\"res='116' restype='png'\" "
    L"pushedimage=\"res='116' restype='png'\" hotimage=\"res='116' restype='png'\" width=\"26\" height=\"26\"";
constexpr int kCellFontSize = 18;
constexpr int kPreviewFontSize = 50;

// The face at the stock GUI font's size and style: only the name changes.
HFONT CreateFaceLike(const std::wstring& faceName) {
    LOGFONTW font = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return ::CreateFontW(font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight,
                         font.lfItalic, font.lfUnderline, font.lfStrikeOut, DEFAULT_CHARSET, font.lfOutPrecision,
                         font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily, faceName.c_str());
}

// GDI keeps 31 units of a face name, and lists longer names cut there.
std::wstring FaceNameForGdi(const std::wstring& name) {
    return name.substr(0, WholeCharacterPrefix(name.c_str(), LF_FACESIZE - 1));
}

}  // namespace

std::wstring CharMap::Utf16Of(char32_t character) {
    if (character == 0) {
        return std::wstring();
    }
    if (character < 0x10000) {
        return std::wstring(1, static_cast<wchar_t>(character));
    }
    const char32_t offset = character - 0x10000;
    return {static_cast<wchar_t>(0xD800 + (offset >> 10)), static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
}

void CharMap::InitWindow() {
    m_grid = FindControlAs<CListUI>(m_manager, L"fontlist", L"List");
    m_preview = FindControlAs<CLabelUI>(m_manager, L"showselfont", L"Label");
    m_copyBox = FindControlAs<CCheckBoxUI>(m_manager, L"copychar", L"CheckBox");
    m_scrollBar = FindControlAs<CScrollBarUI>(m_manager, L"viewscroll", L"ScrollBar");
    m_title = FindControlAs<CLabelUI>(m_manager, L"apptitle", L"Label");
    BuildGrid();
}

void CharMap::BuildGrid() {
    if (m_grid == nullptr) {
        return;
    }
    m_cells.reserve(kPageSize);
    for (int row = 0; row < kGridSize; ++row) {
        auto* element = new CListContainerElementUI;
        // A header is a horizontal strip of fixed-width items: one grid row.
        auto* strip = new CListHeaderUI;
        strip->SetAttributeList(L"height=\"26\"");
        for (int column = 0; column < kGridSize; ++column) {
            auto* cell = new CButtonUI;
            cell->SetAttributeList(kCellAttributes);
            cell->SetTag(kCellTag);
            strip->Add(cell);
            m_cells.push_back(cell);
        }
        element->SetAttributeList(L"height=\"26\"");
        element->Add(strip);
        m_grid->Add(element);
    }
}

int CharMap::PageCount() const {
    return static_cast<int>((m_chars.size() + kPageSize - 1) / kPageSize);
}

void CharMap::LoadFont(const std::wstring& path, const FontFaceInfo& face) {
    const std::wstring& title = face.fullName;
    m_path = path;
    m_chars.clear();
    const std::wstring faceName = FaceNameForGdi(face.gdiFamily.empty() ? title : face.gdiFamily);
    if (m_preview != nullptr) {
        m_preview->SetText(L"");
    }
    if (m_title != nullptr) {
        m_title->SetText(title.empty() ? faceName.c_str() : title.c_str());
    }
    // Replacing the fonts under the same ids re-fonts every cell and the preview at once.
    m_manager.AddFont(kCellFont, faceName.c_str(), kCellFontSize, false, false, false, true);
    m_manager.AddFont(kPreviewFont, faceName.c_str(), kPreviewFontSize, false, false, false, true);
    if (m_preview != nullptr) {
        m_preview->SetFont(kPreviewFont);
    }
    if (face.charactersRead) {
        m_chars = face.characters;
    } else {
        const HFONT font = CreateFaceLike(faceName);
        ReadCharactersFromGdi(font);
        if (font != nullptr) {
            ::DeleteObject(font);
        }
    }
    if (m_scrollBar != nullptr) {
        // Exactly the pages that hold characters: the last one the bar reaches is never empty.
        const int pages = PageCount();
        m_scrollBar->SetScrollRange(pages > 1 ? kPageStep * (pages - 1) : 0);
        m_scrollBar->SetLineSize(kPageStep);
        m_scrollBar->SetScrollPos(0, false);
    }
    ShowPage(0);
}

void CharMap::ReadCharactersFromGdi(HFONT font) {
    const HDC dc = ::GetDC(m_hwnd);
    if (dc == nullptr) {
        return;
    }
    const HGDIOBJ previous = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    const DWORD size = ::GetFontUnicodeRanges(dc, nullptr);
    if (size >= sizeof(GLYPHSET)) {
        std::vector<BYTE> buffer(size);
        auto* glyphs = reinterpret_cast<GLYPHSET*>(buffer.data());
        glyphs->cbThis = size;
        if (::GetFontUnicodeRanges(dc, glyphs) != 0) {
            // Never trust the count beyond the bytes the system filled.
            const size_t room = (size - offsetof(GLYPHSET, ranges)) / sizeof(WCRANGE);
            const size_t ranges = glyphs->cRanges < room ? glyphs->cRanges : room;
            for (size_t index = 0; index < ranges; ++index) {
                const WCRANGE& range = glyphs->ranges[index];
                for (USHORT offset = 0; offset < range.cGlyphs; ++offset) {
                    const char32_t unit = static_cast<char32_t>(range.wcLow) + offset;
                    if (unit != 0 && unit <= 0xFFFF && (unit < 0xD800 || unit > 0xDFFF)) {
                        m_chars.push_back(unit);
                    }
                }
            }
            // The ranges need not come in order (Wine's for a substituted face do not): pages go in code order.
            std::sort(m_chars.begin(), m_chars.end());
            m_chars.erase(std::unique(m_chars.begin(), m_chars.end()), m_chars.end());
        }
    }
    if (previous != nullptr) {
        ::SelectObject(dc, previous);
    }
    ::ReleaseDC(m_hwnd, dc);
}

void CharMap::ShowPage(int page) {
    const size_t first = static_cast<size_t>(page < 0 ? 0 : page) * kPageSize;
    // 196 cells change: the window hears of it once.
    m_manager.BeginInvalidateBatch();
    for (size_t index = 0; index < m_cells.size(); ++index) {
        const size_t position = first + index;
        const char32_t character = position < m_chars.size() ? m_chars[position] : 0;
        wchar_t codePoint[12] = L"";
        if (character != 0) {
            // Look-alike characters differ in their code points.
            swprintf(codePoint, 12, L"U+%04X", static_cast<unsigned>(character));
        }
        m_cells[index]->SetText(Utf16Of(character).c_str());
        m_cells[index]->SetToolTip(codePoint);
    }
    m_manager.EndInvalidateBatch();
}

void CharMap::Hide() {
    if (m_hwnd != nullptr) {
        ::ShowWindow(m_hwnd, SW_HIDE);
    }
    m_chars.clear();
    m_path.clear();
}

void CharMap::Notify(NotifyMsg& msg) {
    if (msg.type == L"click" && msg.sender != nullptr) {
        if (msg.sender->GetName() == L"closebtn") {
            Hide();
        } else if (msg.sender->GetTag() == static_cast<UINT_PTR>(kCellTag)) {
            const CUIString text = msg.sender->GetText();
            if (m_preview != nullptr) {
                m_preview->SetText(text);
            }
            if (m_copyBox != nullptr && m_copyBox->IsSelected()) {
                CopyToClipboard(m_hwnd, text.GetData());
            }
        }
    } else if (msg.type == L"scroll" && m_scrollBar != nullptr) {
        const int notches = WheelNotches(msg.wParam);
        // The bar and the cells change together: the window hears of it once.
        m_manager.BeginInvalidateBatch();
        m_scrollBar->SetScrollPos(m_scrollBar->GetScrollPos() - notches * kPageStep, false);
        ShowPage(m_scrollBar->GetScrollPos() / kPageStep);
        m_manager.EndInvalidateBatch();
    }
}

LRESULT CharMap::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
    // The window lives as long as the program; closing only puts it away.
    Hide();
    handled = true;
    return 0;
}

LRESULT CharMap::OnMouseWheel(UINT, WPARAM wParam, LPARAM, bool& handled) {
    if (m_chars.size() > static_cast<size_t>(kPageSize)) {
        m_manager.SendNotify(nullptr, L"scroll", wParam, 0, false, true);
    }
    handled = false;
    return 0;
}

LRESULT CharMap::OnSize(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

bool CharMap::IsSwitchOn() const {
    return m_switchBox != nullptr && m_switchBox->IsSelected();
}

LRESULT CharMap::OnMouseMove(UINT, WPARAM, LPARAM lParam, bool& handled) {
    handled = false;
    if (IsSwitchOn() && !m_switchedIn && MouseMessageInWindow(m_hwnd, lParam)) {
        m_switchedIn = true;
        BringToFront(m_hwnd);
    }
    return 0;
}

LRESULT CharMap::HandleCustomMessage(UINT message, WPARAM, LPARAM, bool& handled) {
    if (message == WM_NCLBUTTONDBLCLK) {
        handled = true;
        return 1;
    }
    if (message == WM_MOUSELEAVE && IsSwitchOn()) {
        m_switchedIn = false;
    }
    return 0;
}
