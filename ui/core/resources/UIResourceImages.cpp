#include "ui/core/resources/UIResourceTables.h"

#include <cwchar>

#include "ui/core/resources/UIImageDecode.h"
#include "ui/core/resources/UIResourceLoader.h"

namespace SkinUI {

namespace {

bool IsEmptyText(LPCWSTR text) {
    return text == nullptr || *text == L'\0';
}

// What the loader is given for `name`. A colour "image" is named by its
// colour text, which may well start with a digit, so it is never a number.
LPCWSTR ImageSource(LPCWSTR name, LPCWSTR type) {
    if (IsEmptyText(type) || std::wcscmp(type, Render::kColorImageType) == 0) {
        return name;
    }
    return ResourceNameFromText(name);
}

}  // namespace

ImageEntry* CResourceTables::AddImage(LPCWSTR name, LPCWSTR type, DWORD mask, bool useHsl, bool shared) {
    if (IsEmptyText(name)) {
        return nullptr;
    }
    const bool typed = !IsEmptyText(type);
    LPCWSTR source = ImageSource(name, type);
    if (source == nullptr) {
        return nullptr;
    }
    ImageEntry* loaded = Render::LoadImageEntry(source, typed ? type : nullptr, mask);
    if (loaded == nullptr) {
        return nullptr;
    }
    loaded->useHsl = useHsl;
    loaded->resourceType = typed ? type : L"";
    loaded->mask = mask;
    if (useHsl) {
        Render::KeepOriginalBits(loaded);
    }

    CStringMap& images = BlockForAdd(shared).images;
    auto* existing = static_cast<ImageEntry*>(images.Find(name));
    if (existing != nullptr) {
        // Controls keep pointers to entries: the entry stays, its content is new.
        Render::FreeImageEntry(existing, false);
        *existing = *loaded;
        delete loaded;
        return existing;
    }
    if (!images.Insert(name, loaded)) {
        Render::FreeImageEntry(loaded, true);
        return nullptr;
    }
    return loaded;
}

ImageEntry* CResourceTables::GetImage(LPCWSTR name) {
    auto* entry = static_cast<ImageEntry*>(m_own.images.Find(name));
    if (entry != nullptr) {
        return entry;
    }
    if (m_lender != nullptr) {
        return m_lender->GetImage(name);
    }
    return static_cast<ImageEntry*>(m_shared.images.Find(name));
}

ImageEntry* CResourceTables::GetOrLoadImage(LPCWSTR name, LPCWSTR type, DWORD mask, bool useHsl) {
    ImageEntry* entry = GetImage(name);
    if (entry != nullptr) {
        return entry;
    }
    if (m_lender != nullptr) {
        return m_lender->GetOrLoadImage(name, type, mask, useHsl);
    }
    return AddImage(name, type, mask, useHsl, false);
}

void CResourceTables::RemoveAllImages(bool shared) {
    (shared ? m_shared : m_own).RemoveAllImages();
}

}  // namespace SkinUI
