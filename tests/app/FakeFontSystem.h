#pragma once
// A font system that keeps its session font table in memory. A drop handle is
// the address of a FakeDrop.
#include "app/fonts/FontSystem.h"

#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include <wchar.h>

struct FakeDrop {
    std::vector<std::wstring> paths;
    bool finished = false;

    HDROP Handle() { return reinterpret_cast<HDROP>(this); }
};

class FakeFontSystem : public IFontSystem {
public:
    // Spellings that differ in letter case name one file, as on Windows.
    struct NoCase {
        bool operator()(const std::wstring& a, const std::wstring& b) const {
            return _wcsicmp(a.c_str(), b.c_str()) < 0;
        }
    };
    // Paths that Mount accepts; everything else is "not a font".
    std::set<std::wstring, NoCase> fontFiles;
    // Mount references per file, as GDI counts them.
    std::map<std::wstring, int, NoCase> mounted;
    // Files another program uses: the system refuses to unmount them.
    std::set<std::wstring, NoCase> inUse;
    std::vector<std::wstring> calls;
    bool mountAlwaysSucceeds = false;
    bool recordCalls = true;
    // How long a mount takes, so that a test can act while a batch loads.
    DWORD mountMilliseconds = 0;

    UINT DroppedFileCount(HDROP drop) override { return static_cast<UINT>(Drop(drop).paths.size()); }
    UINT DroppedPathLength(HDROP drop, UINT index) override {
        return static_cast<UINT>(Drop(drop).paths.at(index).size());
    }
    bool ReadDroppedPath(HDROP drop, UINT index, wchar_t* buffer, UINT capacity) override {
        const std::wstring& path = Drop(drop).paths.at(index);
        if (capacity == 0)
            return false;
        const size_t n = path.size() < capacity ? path.size() : capacity - 1;
        path.copy(buffer, n);
        buffer[n] = 0;
        return n > 0;
    }
    void FinishDrop(HDROP drop) override { Drop(drop).finished = true; }

    // Large batches mount on a worker thread, as GDI allows.
    int Mount(const wchar_t* path) override {
        if (mountMilliseconds > 0)
            Sleep(mountMilliseconds);
        const std::lock_guard<std::mutex> lock(mutex);
        Record(L"mount ", path);
        if (!mountAlwaysSucceeds && !fontFiles.count(path))
            return 0;
        ++mounted[path];
        return 1;
    }
    int Unmount(const wchar_t* path) override {
        const std::lock_guard<std::mutex> lock(mutex);
        Record(L"unmount ", path);
        auto found = mounted.find(path);
        if (found == mounted.end() || inUse.count(path))
            return 0;
        if (--found->second == 0)
            mounted.erase(found);
        return 1;
    }

    bool IsMounted(const wchar_t* path) override { return References(path) > 0; }

    int References(const std::wstring& path) const {
        const std::lock_guard<std::mutex> lock(mutex);
        auto found = mounted.find(path);
        return found == mounted.end() ? 0 : found->second;
    }

private:
    mutable std::mutex mutex;
    static FakeDrop& Drop(HDROP drop) { return *reinterpret_cast<FakeDrop*>(drop); }
    void Record(const wchar_t* what, const wchar_t* path) {
        if (recordCalls)
            calls.push_back(std::wstring(what) + path);
    }
};
