#include "ui/core/resources/UIResourceLocation.h"

#include <vector>

namespace SkinUI {

const wchar_t kMemoryResourceZip[] = L"membuffer";

namespace {

// Longest path the system hands back (the \\?\ form).
constexpr DWORD kLongestModulePath = 32768;

struct LocationState {
    HINSTANCE instance = nullptr;
    CUIString resourcePath;
    CUIString resourceZip;
    bool cachedZip = true;
    ArchiveHandle zipHandle = nullptr;
    // The block behind "membuffer", kept so that a non-cached configuration
    // can still open it for each read.
    const void* memoryBytes = nullptr;
    size_t memoryLength = 0;
};

// Built on first use, so that other files' static initialisers may call in.
LocationState& State() {
    static LocationState state;
    return state;
}

void CloseCachedArchive(LocationState& state) {
    if (state.zipHandle != nullptr) {
        CloseArchive(state.zipHandle);
        state.zipHandle = nullptr;
    }
}

}  // namespace

void CResourceLocation::SetInstance(HINSTANCE instance) {
    State().instance = instance;
}

HINSTANCE CResourceLocation::GetInstance() {
    return State().instance;
}

HINSTANCE CResourceLocation::GetResourceInstance() {
    return State().instance;
}

CUIString CResourceLocation::GetInstancePath() {
    HINSTANCE instance = State().instance;
    if (instance == nullptr)
        return CUIString();
    // A path cut off at MAX_PATH would name the wrong folder, so grow the
    // buffer until the whole path fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(instance, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return CUIString();
        if (length < path.size())
            break;
        if (path.size() >= kLongestModulePath)
            return CUIString();
        path.resize(path.size() * 2);
    }
    CUIString folder(path.data());
    int lastSeparator = folder.ReverseFind(L'\\');
    return folder.Left(lastSeparator + 1);
}

void CResourceLocation::SetResourcePath(LPCWSTR path) {
    CUIString& stored = State().resourcePath;
    stored = path;
    if (stored.IsEmpty())
        return;
    WCHAR last = stored.GetAt(stored.GetLength() - 1);
    if (last != L'\\' && last != L'/')
        stored += L'\\';
}

const CUIString& CResourceLocation::GetResourcePath() {
    return State().resourcePath;
}

void CResourceLocation::SetResourceZip(LPCWSTR name, bool cached) {
    LocationState& state = State();
    if (state.resourceZip == (name != nullptr ? name : L"") && state.cachedZip == cached)
        return;
    CloseCachedArchive(state);
    state.resourceZip = name;
    state.cachedZip = cached;
    state.memoryBytes = nullptr;
    state.memoryLength = 0;
    if (cached && !state.resourceZip.IsEmpty())
        state.zipHandle = OpenArchive((state.resourcePath + state.resourceZip).GetData());
}

void CResourceLocation::SetResourceZip(const void* bytes, size_t length) {
    LocationState& state = State();
    if (state.resourceZip == kMemoryResourceZip)
        return;
    CloseCachedArchive(state);
    state.resourceZip = kMemoryResourceZip;
    state.memoryBytes = bytes;
    state.memoryLength = length;
    if (state.cachedZip)
        state.zipHandle = OpenArchive(bytes, length);
}

const CUIString& CResourceLocation::GetResourceZip() {
    return State().resourceZip;
}

bool CResourceLocation::IsCachedResourceZip() {
    return State().cachedZip;
}

ArchiveHandle CResourceLocation::GetResourceZipHandle() {
    return State().zipHandle;
}

ArchiveHandle CResourceLocation::OpenUncachedResourceZip() {
    const LocationState& state = State();
    if (state.resourceZip.IsEmpty())
        return nullptr;
    if (state.memoryBytes != nullptr)
        return OpenArchive(state.memoryBytes, state.memoryLength);
    return OpenArchive((state.resourcePath + state.resourceZip).GetData());
}

CResourceZipAccess::CResourceZipAccess() : m_archive(nullptr), m_ownsArchive(false) {
    if (CResourceLocation::IsCachedResourceZip()) {
        m_archive = CResourceLocation::GetResourceZipHandle();
    } else {
        m_archive = CResourceLocation::OpenUncachedResourceZip();
        m_ownsArchive = true;
    }
}

CResourceZipAccess::~CResourceZipAccess() {
    if (m_ownsArchive && m_archive != nullptr)
        CloseArchive(m_archive);
}

}  // namespace SkinUI
