#include "ui/core/resources/UIResourceTables.h"

#include "ui/core/base/UIStringMapValues.h"
#include "ui/core/gdi/UIFontKeeper.h"
#include "ui/core/resources/UIImageDecode.h"
#include "ui/core/resources/UILanguageStrings.h"

namespace SkinUI {

ResourceBlock::ResourceBlock() : fonts(kBucketCount), images(kBucketCount), defaultAttributeLists(kBucketCount) {}

ResourceBlock::~ResourceBlock() {
    RemoveAllFonts();
    RemoveAllImages();
    RemoveAllDefaultAttributeLists();
    if (defaultFont.font != nullptr) {
        Render::CFontKeeper::Delete(defaultFont.font);
    }
}

void ResourceBlock::RemoveAllFonts() {
    DestroyMapValues<FontEntry>(fonts, kBucketCount, [](FontEntry* entry) {
        Render::CFontKeeper::Delete(entry->font);
        delete entry;
    });
}

void ResourceBlock::RemoveAllImages() {
    DestroyMapValues<ImageEntry>(images, kBucketCount, [](ImageEntry* entry) { Render::FreeImageEntry(entry, true); });
}

void ResourceBlock::RemoveAllDefaultAttributeLists() {
    DestroyMapValues<CUIString>(defaultAttributeLists, kBucketCount, [](CUIString* text) { delete text; });
}

ResourceBlock& SharedResourceBlock() {
    static ResourceBlock block;
    return block;
}

CResourceTables::CResourceTables(ResourceBlock& shared) : m_shared(shared) {
    if (m_shared.defaultFont.faceName.IsEmpty()) {
        m_shared.disabledFontColor = 0xFFA7A6AA;
        m_shared.defaultFontColor = 0xFF000000;
        m_shared.linkFontColor = 0xFF0000FF;
        m_shared.linkHoverFontColor = 0xFFD3215F;
        m_shared.selectedColor = 0xFFBAE4FF;
        InitSharedDefaultFont();
    }
    m_own.disabledFontColor = m_shared.disabledFontColor;
    m_own.defaultFontColor = m_shared.defaultFontColor;
    m_own.linkFontColor = m_shared.linkFontColor;
    m_own.linkHoverFontColor = m_shared.linkHoverFontColor;
    m_own.selectedColor = m_shared.selectedColor;
}

void CResourceTables::BorrowFrom(CResourceTables* lender) {
    m_lender = nullptr;
    // A loop of lenders would make every look-up endless.
    for (CResourceTables* tables = lender; tables != nullptr; tables = tables->m_lender) {
        if (tables == this) {
            return;
        }
    }
    m_lender = lender;
    if (m_lender == nullptr) {
        return;
    }
    m_own.disabledFontColor = m_lender->m_own.disabledFontColor;
    m_own.defaultFontColor = m_lender->m_own.defaultFontColor;
    m_own.linkFontColor = m_lender->m_own.linkFontColor;
    m_own.linkHoverFontColor = m_lender->m_own.linkHoverFontColor;
    m_own.selectedColor = m_lender->m_own.selectedColor;
}

void CResourceTables::SetColor(DWORD ResourceBlock::*field, DWORD color, bool shared) {
    if (shared) {
        // A window that had chosen its own colour keeps it.
        if (m_own.*field == m_shared.*field) {
            m_own.*field = color;
        }
        m_shared.*field = color;
    } else {
        m_own.*field = color;
    }
}

void CResourceTables::SetDefaultDisabledColor(DWORD color, bool shared) {
    SetColor(&ResourceBlock::disabledFontColor, color, shared);
}

void CResourceTables::SetDefaultFontColor(DWORD color, bool shared) {
    SetColor(&ResourceBlock::defaultFontColor, color, shared);
}

void CResourceTables::SetDefaultLinkFontColor(DWORD color, bool shared) {
    SetColor(&ResourceBlock::linkFontColor, color, shared);
}

void CResourceTables::SetDefaultLinkHoverFontColor(DWORD color, bool shared) {
    SetColor(&ResourceBlock::linkHoverFontColor, color, shared);
}

void CResourceTables::SetDefaultSelectedColor(DWORD color, bool shared) {
    SetColor(&ResourceBlock::selectedColor, color, shared);
}

void CResourceTables::AddClassDefaults(LPCWSTR className, LPCWSTR attributes, bool shared) {
    if (className == nullptr || *className == L'\0') {
        return;
    }
    CStringMap& lists = BlockForAdd(shared).defaultAttributeLists;
    delete static_cast<CUIString*>(lists.Set(className, new CUIString(attributes)));
}

LPCWSTR CResourceTables::GetClassDefaults(LPCWSTR className) {
    auto* text = static_cast<CUIString*>(m_own.defaultAttributeLists.Find(className));
    if (text != nullptr) {
        return text->GetData();
    }
    if (m_lender != nullptr) {
        return m_lender->GetClassDefaults(className);
    }
    text = static_cast<CUIString*>(m_shared.defaultAttributeLists.Find(className));
    return text != nullptr ? text->GetData() : nullptr;
}

void CResourceTables::RemoveAllDefaultAttributeList(bool shared) {
    (shared ? m_shared : m_own).RemoveAllDefaultAttributeLists();
}

void CResourceTables::AddLanguageString(int id, LPCWSTR text) {
    ProcessLanguageStrings().AddLanguageString(id, text);
}

LPCWSTR CResourceTables::GetLanguageString(int id) {
    return ProcessLanguageStrings().GetLanguageString(id);
}

void CResourceTables::ProcessLanguageTokens(CUIString& text) {
    ProcessLanguageStrings().ProcessLanguageTokens(text);
}

}  // namespace SkinUI
