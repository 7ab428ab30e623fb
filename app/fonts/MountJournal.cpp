#include "app/fonts/MountJournal.h"

#include <string>

#include "app/system/LocalAppData.h"

namespace {

// A journal this large was not written by Quillet.
constexpr LONGLONG kMaxJournalBytes = 64LL * 1024 * 1024;
constexpr size_t kMaxPathUnits = 32767;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return m_handle; }
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

std::string ToUtf8(const std::wstring& text) {
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes > 0 ? static_cast<size_t>(bytes) : 0, '\0');
    if (bytes > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &utf8[0], bytes, nullptr, nullptr);
    }
    return utf8;
}

// Empty for bytes that are not well-formed UTF-8.
std::wstring FromUtf8(const char* bytes, size_t length) {
    if (length == 0 || length > kMaxPathUnits * 3) {
        return std::wstring();
    }
    const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(length), nullptr, 0);
    if (units <= 0 || static_cast<size_t>(units) > kMaxPathUnits) {
        return std::wstring();
    }
    std::wstring text(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(length), &text[0], units);
    return text;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(bytes.size() - done < 1u << 30 ? bytes.size() - done : 1u << 30);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

std::wstring MountJournal::PathForThisUser() {
    const std::wstring local = LocalAppDataFolder();
    return local.empty() ? std::wstring() : local + L"\\Quillet\\mounted.txt";
}

bool MountJournal::Write(const std::vector<std::wstring>& paths) const {
    if (m_path.empty()) {
        return false;
    }
    if (paths.empty() && GetFileAttributesW(m_path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return true;  // nothing to record, and nothing recorded: a run that mounts nothing writes nothing
    }
    const size_t slash = m_path.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        CreateDirectoryW(m_path.substr(0, slash).c_str(), nullptr);
    }
    std::string bytes;
    for (const std::wstring& path : paths) {
        bytes += ToUtf8(path);
        bytes += "\r\n";
    }
    const std::wstring fresh = m_path + L".new";
    {
        const FileHandle file(
            CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsOpen() || !WriteAll(file.Get(), bytes)) {
            DeleteFileW(fresh.c_str());
            return false;
        }
    }
    // The rename is what keeps a crash mid-write from leaving half a journal.
    // No flush to the disk: a power loss also ends the session, and with it
    // every font the journal could name.
    return MoveFileExW(fresh.c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

std::vector<std::wstring> MountJournal::Read() const {
    std::vector<std::wstring> paths;
    if (m_path.empty()) {
        return paths;
    }
    const FileHandle file(CreateFileW(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.IsOpen() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > kMaxJournalBytes) {
        return paths;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return paths;
    }
    bytes.resize(read);
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        size_t length = end - start;
        if (length > 0 && bytes[start + length - 1] == '\r') {
            --length;
        }
        const std::wstring path = FromUtf8(bytes.data() + start, length);
        if (!path.empty() && path.find(L'\0') == std::wstring::npos) {
            paths.push_back(path);
        }
        start = end + 1;
    }
    return paths;
}

int MountJournal::RecoverLeftovers(IFontSystem& fonts, const InstalledFontFolders& installed) const {
    int unmounted = 0;
    for (const std::wstring& path : Read()) {
        if (!installed.Holds(path) && fonts.Unmount(path.c_str()) != 0) {
            ++unmounted;
        }
    }
    Write({});
    return unmounted;
}
