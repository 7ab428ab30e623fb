#pragma once

// A text host with real GDI fonts (not antialiased, so that text pixels have
// exactly the text colour), a table of fonts by id, images by name and
// language strings, standing in for a window's UI manager.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "ui/core/render/UIRichTextHost.h"

class FakeTextHost : public SkinUI::IRichTextHost {
public:
    static constexpr const wchar_t* kFace = L"Arial";

    FakeTextHost() : m_measureDc(CreateCompatibleDC(nullptr)) { Fill(m_default, kFace, 12, false, false, false); }
    ~FakeTextHost() {
        for (auto& font : m_fonts) {
            DeleteObject(font.second->font);
            delete font.second;
        }
        DeleteObject(m_default.font);
        DeleteDC(m_measureDc);
    }
    FakeTextHost(const FakeTextHost&) = delete;
    FakeTextHost& operator=(const FakeTextHost&) = delete;

    // A font for the table without counting as a call of AddFont.
    HFONT Define(int id, LPCWSTR face, int size, bool bold = false, bool underline = false, bool italic = false) {
        return Store(id, face, size, bold, underline, italic);
    }
    SkinUI::FontEntry* Default() { return &m_default; }

    SkinUI::FontEntry* GetFontInfo(int id) override {
        auto found = m_fonts.find(id);
        return Measured(id >= 0 && found != m_fonts.end() ? found->second : &m_default);
    }
    SkinUI::FontEntry* GetFontInfo(HFONT font) override {
        for (auto& entry : m_fonts) {
            if (entry.second->font == font)
                return Measured(entry.second);
        }
        return Measured(&m_default);
    }
    HFONT FindFont(LPCWSTR face, int size, bool bold, bool underline, bool italic) override {
        for (auto& entry : m_fonts) {
            const SkinUI::FontEntry& font = *entry.second;
            if (font.faceName == face && font.size == size && font.bold == bold && font.underline == underline &&
                font.italic == italic)
                return font.font;
        }
        return nullptr;
    }
    HFONT AddFont(int id, LPCWSTR face, int size, bool bold, bool underline, bool italic, bool shared) override {
        addedIds.push_back(id);
        addedShared.push_back(shared);
        return failAddFont ? nullptr : Store(id, face, size, bold, underline, italic);
    }
    DWORD GetDefaultLinkFontColor() override { return linkColor; }
    DWORD GetDefaultLinkHoverFontColor() override { return linkHoverColor; }
    DWORD GetDefaultSelectedColor() override { return selectedColor; }
    POINT GetMousePos() override { return mouse; }
    SkinUI::ImageEntry* GetOrLoadImage(LPCWSTR name, LPCWSTR type, DWORD, bool) override {
        imageRequests.push_back(std::wstring(name) + L"|" + (type != nullptr ? type : L"(file)"));
        auto found = images.find(name);
        return found != images.end() ? found->second : nullptr;
    }
    // "%{id}" tokens of known ids become their strings.
    int ScaleLength(int length) override { return length; }
    void ProcessLanguageTokens(SkinUI::CUIString& text) override {
        for (auto& entry : languageStrings) {
            const std::wstring token = L"%{" + std::to_wstring(entry.first) + L"}";
            text.Replace(token.c_str(), entry.second.c_str());
        }
    }

    DWORD linkColor = 0xFF0000FF;
    DWORD linkHoverColor = 0xFFD3215F;
    DWORD selectedColor = 0xFFBAE4FF;
    POINT mouse = {-1, -1};
    bool failAddFont = false;
    std::vector<int> addedIds;
    std::vector<bool> addedShared;
    std::map<std::wstring, SkinUI::ImageEntry*> images;  // not owned
    std::vector<std::wstring> imageRequests;             // "name|type"
    std::map<int, std::wstring> languageStrings;

private:
    HFONT Store(int id, LPCWSTR face, int size, bool bold, bool underline, bool italic) {
        auto* entry = new SkinUI::FontEntry;
        Fill(*entry, face, size, bold, underline, italic);
        auto old = m_fonts.find(id);
        if (old != m_fonts.end()) {
            DeleteObject(old->second->font);
            delete old->second;
        }
        m_fonts[id] = entry;
        return entry->font;
    }
    static void Fill(SkinUI::FontEntry& entry, LPCWSTR face, int size, bool bold, bool underline, bool italic) {
        LOGFONTW logFont = {};
        logFont.lfHeight = -size;
        logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        logFont.lfUnderline = underline;
        logFont.lfItalic = italic;
        logFont.lfCharSet = DEFAULT_CHARSET;
        logFont.lfQuality = NONANTIALIASED_QUALITY;
        lstrcpynW(logFont.lfFaceName, face, LF_FACESIZE);
        entry.font = CreateFontIndirectW(&logFont);
        entry.faceName = face;
        entry.size = size;
        entry.bold = bold;
        entry.underline = underline;
        entry.italic = italic;
    }
    SkinUI::FontEntry* Measured(SkinUI::FontEntry* entry) {
        if (entry->textMetrics.tmHeight == 0) {
            HGDIOBJ previous = SelectObject(m_measureDc, entry->font);
            GetTextMetricsW(m_measureDc, &entry->textMetrics);
            SelectObject(m_measureDc, previous);
        }
        return entry;
    }

    HDC m_measureDc;
    SkinUI::FontEntry m_default;
    std::map<int, SkinUI::FontEntry*> m_fonts;
};
