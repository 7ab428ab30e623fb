#pragma once

#include <windows.h>

#include <string>

// A fresh folder under the temp directory, removed with what it holds.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        for (unsigned attempt = GetTickCount();; ++attempt) {
            m_path = std::wstring(base) + L"skinui_test_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                     std::to_wstring(attempt) + L"\\";
            if (CreateDirectoryW(m_path.c_str(), nullptr))
                break;
        }
    }
    ~TempFolder() {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((m_path + L"*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileW((m_path + found.cFileName).c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(m_path.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Ends with a backslash.
    const std::wstring& Path() const { return m_path; }

    std::wstring Write(const std::wstring& name, const void* data, size_t size) const {
        std::wstring file = m_path + name;
        HANDLE handle =
            CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        if (size != 0)
            WriteFile(handle, data, static_cast<DWORD>(size), &written, nullptr);
        CloseHandle(handle);
        return file;
    }
    std::wstring Write(const std::wstring& name, const std::string& text) const {
        return Write(name, text.data(), text.size());
    }

private:
    std::wstring m_path;
};
