#include "ui/core/manager/UIManager.h"
#include "ui/core/resources/UIResourceLocation.h"

namespace SkinUI {

HFONT CUIManager::AddFont(int id, LPCWSTR faceName, int size, bool bold, bool underline, bool italic, bool shared) {
    return m_resources.AddFont(id, faceName, size, bold, underline, italic, shared);
}

HFONT CUIManager::GetFont(int id) {
    return m_resources.GetFont(id);
}

HFONT CUIManager::FindFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic) {
    return m_resources.FindFont(faceName, size, bold, underline, italic);
}

FontEntry* CUIManager::GetFontInfo(int id) {
    return m_resources.GetFontInfo(id);
}

FontEntry* CUIManager::GetFontInfo(HFONT font) {
    return m_resources.GetFontInfo(font);
}

void CUIManager::SetDefaultFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic, bool shared) {
    m_resources.SetDefaultFont(faceName, size, bold, underline, italic, shared);
}

FontEntry* CUIManager::GetDefaultFontInfo() {
    return m_resources.GetDefaultFontInfo();
}

void CUIManager::RemoveAllFonts(bool shared) {
    m_resources.RemoveAllFonts(shared);
}

ImageEntry* CUIManager::AddImage(LPCWSTR name, LPCWSTR type, DWORD mask, bool useHsl, bool shared) {
    return m_resources.AddImage(name, type, mask, useHsl, shared);
}

ImageEntry* CUIManager::GetImage(LPCWSTR name) {
    return m_resources.GetImage(name);
}

ImageEntry* CUIManager::GetOrLoadImage(LPCWSTR name, LPCWSTR type, DWORD mask, bool useHsl) {
    return m_resources.GetOrLoadImage(name, type, mask, useHsl);
}

void CUIManager::RemoveAllImages(bool shared) {
    m_resources.RemoveAllImages(shared);
}

void CUIManager::AddClassDefaults(LPCWSTR className, LPCWSTR attributes, bool shared) {
    m_resources.AddClassDefaults(className, attributes, shared);
}

LPCWSTR CUIManager::GetClassDefaults(LPCWSTR className) {
    return m_resources.GetClassDefaults(className);
}

void CUIManager::RemoveAllDefaultAttributeList(bool shared) {
    m_resources.RemoveAllDefaultAttributeList(shared);
}

void CUIManager::SetDefaultDisabledColor(DWORD color, bool shared) {
    m_resources.SetDefaultDisabledColor(color, shared);
}

void CUIManager::SetDefaultFontColor(DWORD color, bool shared) {
    m_resources.SetDefaultFontColor(color, shared);
}

void CUIManager::SetDefaultLinkFontColor(DWORD color, bool shared) {
    m_resources.SetDefaultLinkFontColor(color, shared);
}

void CUIManager::SetDefaultLinkHoverFontColor(DWORD color, bool shared) {
    m_resources.SetDefaultLinkHoverFontColor(color, shared);
}

void CUIManager::SetDefaultSelectedColor(DWORD color, bool shared) {
    m_resources.SetDefaultSelectedColor(color, shared);
}

void CUIManager::AddLanguageString(int id, LPCWSTR text) {
    CResourceTables::AddLanguageString(id, text);
}

LPCWSTR CUIManager::GetLanguageString(int id) {
    return CResourceTables::GetLanguageString(id);
}

void CUIManager::ProcessLanguageTokens(CUIString& text) {
    CResourceTables::ProcessLanguageTokens(text);
}

void CUIManager::SetWindowAttribute(LPCWSTR name, LPCWSTR value) {
    m_windowAttributes.SetWindowAttribute(name, value);
}

void CUIManager::AddWindowCustomAttribute(LPCWSTR name, LPCWSTR value) {
    m_windowAttributes.AddWindowCustomAttribute(name, value);
}

LPCWSTR CUIManager::GetWindowCustomAttribute(LPCWSTR name) {
    return m_windowAttributes.GetWindowCustomAttribute(name);
}

void CUIManager::RemoveAllWindowCustomAttributes() {
    m_windowAttributes.RemoveAllWindowCustomAttributes();
}

void CUIManager::SetInstance(HINSTANCE instance) {
    CResourceLocation::SetInstance(instance);
}

HINSTANCE CUIManager::GetInstance() {
    return CResourceLocation::GetInstance();
}

HINSTANCE CUIManager::GetResourceInstance() {
    return CResourceLocation::GetResourceInstance();
}

CUIString CUIManager::GetInstancePath() {
    return CResourceLocation::GetInstancePath();
}

void CUIManager::SetResourcePath(LPCWSTR path) {
    CResourceLocation::SetResourcePath(path);
}

const CUIString& CUIManager::GetResourcePath() {
    return CResourceLocation::GetResourcePath();
}

void CUIManager::SetResourceZip(LPCWSTR name, bool cached) {
    CResourceLocation::SetResourceZip(name, cached);
}

void CUIManager::SetResourceZip(const void* bytes, size_t length) {
    CResourceLocation::SetResourceZip(bytes, length);
}

const CUIString& CUIManager::GetResourceZip() {
    return CResourceLocation::GetResourceZip();
}

bool CUIManager::IsCachedResourceZip() {
    return CResourceLocation::IsCachedResourceZip();
}

ArchiveHandle CUIManager::GetResourceZipHandle() {
    return CResourceLocation::GetResourceZipHandle();
}

}  // namespace SkinUI
