#include "app/system/SingleInstance.h"

namespace {

// Local\: the mutex belongs to this session; another user's Quillet is no rival.
constexpr wchar_t kMutexName[] = L"Local\\Quillet.SingleInstance";
constexpr size_t kMaxPathUnits = 32767;
constexpr DWORD kMaxPathsBytes = 16 * 1024 * 1024;
constexpr int kFindAttempts = 50;
constexpr DWORD kFindRetryMs = 100;
constexpr UINT kHandOverTimeoutMs = 10000;

HWND FindRunningWindow(LPCWSTR windowClass) {
    for (int attempt = 0; attempt < kFindAttempts; ++attempt) {
        if (const HWND window = FindWindowW(windowClass, nullptr)) {
            return window;
        }
        Sleep(kFindRetryMs);
    }
    return nullptr;
}

}  // namespace

SingleInstance::SingleInstance() {
    m_mutex = CreateMutexW(nullptr, FALSE, kMutexName);
    m_first = m_mutex == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
    if (m_mutex != nullptr) {
        CloseHandle(m_mutex);
    }
}

std::vector<wchar_t> EncodePaths(const std::vector<std::wstring>& paths) {
    std::vector<wchar_t> units;
    for (const std::wstring& path : paths) {
        units.insert(units.end(), path.begin(), path.end());
        units.push_back(L'\0');
    }
    return units;
}

std::vector<std::wstring> DecodePaths(const COPYDATASTRUCT& data) {
    std::vector<std::wstring> paths;
    if (data.dwData != kPathsCopyData || data.lpData == nullptr || data.cbData % sizeof(wchar_t) != 0 ||
        data.cbData > kMaxPathsBytes) {
        return paths;
    }
    const auto* units = static_cast<const wchar_t*>(data.lpData);
    const size_t count = data.cbData / sizeof(wchar_t);
    size_t start = 0;
    for (size_t index = 0; index < count; ++index) {
        if (units[index] != L'\0') {
            continue;
        }
        const size_t length = index - start;
        if (length > 0 && length <= kMaxPathUnits) {
            paths.emplace_back(units + start, length);
        }
        start = index + 1;
    }
    // Units after the last terminator are a path cut short: dropped.
    return paths;
}

bool HandToRunningInstance(LPCWSTR windowClass, const std::vector<std::wstring>& paths) {
    const HWND window = FindRunningWindow(windowClass);
    if (window == nullptr) {
        return false;
    }
    bool handed = true;
    if (!paths.empty()) {
        std::vector<wchar_t> units = EncodePaths(paths);
        COPYDATASTRUCT data = {};
        data.dwData = kPathsCopyData;
        data.cbData = static_cast<DWORD>(units.size() * sizeof(wchar_t));
        data.lpData = units.data();
        DWORD_PTR answer = 0;
        // A timeout, not SendMessage: a hung first instance must not hang this one too.
        handed = SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                                     kHandOverTimeoutMs, &answer) != 0 &&
                 answer != 0;
    }
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    // This process was just started by the user, so the system lets it give the foreground away.
    SetForegroundWindow(window);
    return handed;
}
