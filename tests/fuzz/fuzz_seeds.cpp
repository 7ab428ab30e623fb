#include "tests/fuzz/fuzz_seeds.h"

#include <algorithm>
#include <cwctype>

namespace fuzz {

std::vector<Bytes> ResourceSeeds(LPCWSTR type, int first, int last) {
    std::vector<Bytes> seeds;
    for (int id = first; id <= last; ++id) {
        HRSRC found = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), type);
        HGLOBAL loaded = found != nullptr ? ::LoadResource(nullptr, found) : nullptr;
        const auto* data = loaded != nullptr ? static_cast<const unsigned char*>(::LockResource(loaded)) : nullptr;
        if (data != nullptr) {
            seeds.emplace_back(data, data + ::SizeofResource(nullptr, found));
        }
    }
    return seeds;
}

std::vector<Bytes> FileSeeds(const std::wstring& folder, const std::vector<std::wstring>& extensions, size_t largest) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            std::wstring lower = name;
            std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t ch) { return std::towlower(ch); });
            for (const std::wstring& extension : extensions) {
                const bool matches = lower.size() > extension.size() &&
                                     lower.compare(lower.size() - extension.size(), extension.size(), extension) == 0;
                if (matches && found.nFileSizeHigh == 0 && found.nFileSizeLow <= largest) {
                    names.push_back(name);
                }
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    std::sort(names.begin(), names.end());
    std::vector<Bytes> seeds;
    for (const std::wstring& name : names) {
        HANDLE file = ::CreateFileW((folder + L"\\" + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            continue;
        }
        Bytes bytes(::GetFileSize(file, nullptr));
        DWORD read = 0;
        if (!bytes.empty() && ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
            read == bytes.size()) {
            seeds.push_back(std::move(bytes));
        }
        ::CloseHandle(file);
    }
    return seeds;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length < MAX_PATH ? length : 0);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

bool WriteWholeFile(const std::wstring& path, const Bytes& bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool wrote =
        bytes.empty() || (::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                          written == bytes.size());
    ::CloseHandle(file);
    return wrote;
}

}  // namespace fuzz
