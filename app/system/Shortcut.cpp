#include "app/system/Shortcut.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

namespace {

// COM for this thread while a shortcut is read, whoever else initialised it.
class ComScope {
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(m_result)) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    // Another apartment model on this thread still allows the shell link object.
    bool Usable() const { return SUCCEEDED(m_result) || m_result == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_result;
};

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
