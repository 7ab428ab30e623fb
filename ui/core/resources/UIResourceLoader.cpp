#include "ui/core/resources/UIResourceLoader.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/resources/UIArchive.h"
#include "ui/core/resources/UIResourceLocation.h"

namespace SkinUI {

namespace {

const wchar_t kArchiveResourceType[] = L"ZIPRES";

// ReadFile takes a 32-bit count, so large files are read in steps.
constexpr DWORD kReadStep = 1u << 30;

ResourceBytes ReadWholeFile(LPCWSTR path) {
    ResourceBytes bytes;
    if (path == nullptr || path[0] == L'\0')
        return bytes;
    HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    LARGE_INTEGER fileSize;
    if (GetFileSizeEx(file, &fileSize) && fileSize.QuadPart > 0 &&
        static_cast<unsigned long long>(fileSize.QuadPart) <= SIZE_MAX) {
        bytes.resize(static_cast<size_t>(fileSize.QuadPart));
        size_t done = 0;
        while (done < bytes.size()) {
            DWORD wanted = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kReadStep));
            DWORD read = 0;
            if (!ReadFile(file, bytes.data() + done, wanted, &read, nullptr) || read == 0)
                break;
            done += read;
        }
        // A file that shrank since its size was taken gives nothing.
        if (done != bytes.size())
            bytes.clear();
    }
    CloseHandle(file);
    return bytes;
}

ResourceBytes ReadArchiveItem(LPCWSTR name) {
    ResourceBytes bytes;
    CResourceZipAccess access;
    ArchiveEntry entry;
    if (access.Get() == nullptr || FindArchiveItem(access.Get(), name, &entry) != ArchiveOk || entry.size == 0)
        return bytes;
    bytes.resize(entry.size);
    ArchiveResult result = ExtractArchiveItem(access.Get(), entry.index, bytes.data(), bytes.size());
    if (result != ArchiveOk && result != ArchiveBufferFull)
        bytes.clear();
    return bytes;
}

}  // namespace

LPCWSTR ResourceNameFromNumber(unsigned long number) {
    if (number < 1 || number > 0xFFFF)
        return nullptr;
    return MAKEINTRESOURCEW(number);
}

LPCWSTR ResourceNameFromText(LPCWSTR text) {
    if (text == nullptr || text[0] < L'0' || text[0] > L'9' || std::wcschr(text, L'@') != nullptr)
        return text;
    unsigned long number = 0;
    for (LPCWSTR digit = text; *digit >= L'0' && *digit <= L'9'; ++digit) {
        number = number * 10 + static_cast<unsigned long>(*digit - L'0');
        if (number > 0xFFFF)
            return nullptr;
    }
    return ResourceNameFromNumber(number);
}

bool FindResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type, ResourceView* view) {
    if (name == nullptr || type == nullptr || view == nullptr)
        return false;
    HRSRC resource = FindResourceW(module, name, type);
    if (resource == nullptr)
        return false;
    HGLOBAL loaded = LoadResource(module, resource);
    DWORD size = SizeofResource(module, resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr || size == 0)
        return false;
    view->data = data;
    view->size = size;
    return true;
}

ResourceBytes ReadResource(HMODULE module, LPCWSTR name, LPCWSTR type) {
    ResourceBytes bytes;
    ResourceView view;
    if (FindResourceBytes(module, name, type, &view)) {
        const unsigned char* data = static_cast<const unsigned char*>(view.data);
        bytes.assign(data, data + view.size);
    }
    return bytes;
}

ResourceBytes ReadNamedFile(LPCWSTR name) {
    if (name == nullptr || name[0] == L'\0')
        return ResourceBytes();
    if (!CResourceLocation::GetResourceZip().IsEmpty())
        return ReadArchiveItem(name);
    return ReadWholeFile((CResourceLocation::GetResourcePath() + name).GetData());
}

ResourceBytes ReadPlainPath(LPCWSTR path) {
    return ReadWholeFile(path);
}

ResourceBytes ReadNamedFileOrPath(LPCWSTR name) {
    ResourceBytes bytes = ReadNamedFile(name);
    if (bytes.empty())
        bytes = ReadPlainPath(name);
    return bytes;
}

bool UseArchiveResource(LPCWSTR name) {
    ResourceView view;
    if (!FindResourceBytes(CResourceLocation::GetResourceInstance(), name, kArchiveResourceType, &view))
        return false;
    // The memory archive stays configured once set, so a later window reuses
    // the copy made for the first instead of leaking another one.
    if (CResourceLocation::GetResourceZip() == kMemoryResourceZip)
        return true;
    static ResourceBytes archiveCopy;
    const unsigned char* data = static_cast<const unsigned char*>(view.data);
    archiveCopy.assign(data, data + view.size);
    CResourceLocation::SetResourceZip(archiveCopy.data(), archiveCopy.size());
    return true;
}

}  // namespace SkinUI
