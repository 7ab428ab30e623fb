#include "app/system/Shortcut.h"

#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>

#include "app/system/ComScope.h"

namespace {

template <typename Interface>
class ComPointer {
public:
    ~ComPointer() {
        if (m_pointer != nullptr) {
            m_pointer->Release();
        }
    }
    Interface** Out() { return &m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

private:
    Interface* m_pointer = nullptr;
};

}  // namespace

bool IsShortcut(const std::wstring& path) {
    const wchar_t* extension = PathFindExtensionW(path.c_str());
    return CompareStringOrdinal(extension, -1, L".lnk", -1, TRUE) == CSTR_EQUAL;
}

std::wstring ShortcutTarget(const std::wstring& path) {
    const ComScope com;
    if (!com.Usable()) {
        return std::wstring();
    }
    ComPointer<IShellLinkW> link;
    ComPointer<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.Out()))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out()))) ||
        FAILED(file->Load(path.c_str(), STGM_READ))) {
        return std::wstring();
    }
    wchar_t target[MAX_PATH] = L"";
    if (link->GetPath(target, MAX_PATH, nullptr, 0) != S_OK) {
        return std::wstring();
    }
    target[MAX_PATH - 1] = L'\0';
    return target;
}
