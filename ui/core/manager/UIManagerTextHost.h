#pragma once

#include "ui/core/render/UIRichTextHost.h"

namespace SkinUI {

class CUIManager;

// Lends a manager's fonts, colours, images and language strings to the text
// drawing code.
class CManagerTextHost : public IRichTextHost {
public:
    explicit CManagerTextHost(CUIManager& manager) : m_manager(manager) {}
    CManagerTextHost(const CManagerTextHost&) = delete;
    CManagerTextHost& operator=(const CManagerTextHost&) = delete;
    ~CManagerTextHost() = default;

    FontEntry* GetFontInfo(int id) override;
    FontEntry* GetFontInfo(HFONT font) override;
    HFONT FindFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic) override;
    HFONT AddFont(int id, LPCWSTR faceName, int size, bool bold, bool underline, bool italic, bool shared) override;
    DWORD GetDefaultLinkFontColor() override;
    DWORD GetDefaultLinkHoverFontColor() override;
    DWORD GetDefaultSelectedColor() override;
    POINT GetMousePos() override;
    ImageEntry* GetOrLoadImage(LPCWSTR name, LPCWSTR type, DWORD mask, bool useHsl) override;
    void ProcessLanguageTokens(CUIString& text) override;
    int ScaleLength(int length) override;

private:
    CUIManager& m_manager;
};

}  // namespace SkinUI
