#pragma once
// One Quillet per user session: a second start would fight the first over the
// same fonts (each removes a file before mounting it), so it hands its paths
// to the running window instead and ends.
#include <windows.h>

#include <string>
#include <vector>

// Marks a WM_COPYDATA as Quillet's paths: "QLT1".
constexpr ULONG_PTR kPathsCopyData = 0x51544C31;

class SingleInstance {
public:
    // Takes the session's Quillet mutex, or learns that another start holds it.
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another Quillet of this session started first.
    bool IsFirst() const { return m_first; }

private:
    HANDLE m_mutex = nullptr;
    bool m_first = true;
};

// Paths as a WM_COPYDATA carries them: each one terminated by a zero unit.
std::vector<wchar_t> EncodePaths(const std::vector<std::wstring>& paths);
// The paths of a WM_COPYDATA from another process, checked as any outside
// input: nothing outside `bytes`, no empty path, none longer than a path can be.
std::vector<std::wstring> DecodePaths(const COPYDATASTRUCT& data);

// Hands `paths` to the running main window of class `windowClass` and brings
// it to the front (restored if minimised). False when no such window answered
// within a few seconds (the first start may still be creating it).
bool HandToRunningInstance(LPCWSTR windowClass, const std::vector<std::wstring>& paths);
