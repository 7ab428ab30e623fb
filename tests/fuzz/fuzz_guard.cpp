#include "tests/fuzz/fuzz_guard.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>

namespace fuzz {

namespace {

struct GuardState {
    std::wstring folder;
    const char* campaign = "";
    const char* extension = "bin";
    uint64_t seed = 0;
    DWORD timeout = 1000;
    HANDLE thread = nullptr;
    std::atomic<uint64_t> index{0};
    std::atomic<ULONGLONG> started{0};
    std::atomic<const Bytes*> input{nullptr};
    std::atomic<bool> ending{false};
};

GuardState& State() {
    static GuardState state;
    return state;
}

void WriteLine(const char* text) {
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

// Only one of the crash handlers and the watchdog gets to save and end.
[[noreturn]] void SaveAndEnd(const char* kind, int exitCode) {
    GuardState& state = State();
    if (state.ending.exchange(true)) {
        ::Sleep(INFINITE);
    }
    const Bytes* input = state.input.load();
    const uint64_t index = state.index.load();
    if (input != nullptr && !state.folder.empty()) {
        SaveInput(state.folder, kind, state.seed, index, state.extension, *input);
    }
    char line[160];
    std::snprintf(line, sizeof(line), "%s %s %llu\n", kind, state.campaign, static_cast<unsigned long long>(index));
    WriteLine(line);
    ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(exitCode));
    ::ExitProcess(static_cast<UINT>(exitCode));
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* /*pointers*/) {
    SaveAndEnd("crash", kExitCrash);
}

void OnAbort(int /*signal*/) {
    SaveAndEnd("crash", kExitCrash);
}

DWORD WINAPI Watchdog(LPVOID /*parameter*/) {
    GuardState& state = State();
    for (;;) {
        ::Sleep(20);
        const ULONGLONG started = state.started.load();
        if (started != 0 && ::GetTickCount64() - started > state.timeout) {
            // The case's own thread stops first, so that the input stays as it was.
            ::SuspendThread(state.thread);
            SaveAndEnd("hang", kExitHang);
        }
    }
}

}  // namespace

std::wstring SaveInput(const std::wstring& folder, const char* kind, uint64_t seed, uint64_t index,
                       const char* extension, const Bytes& input) {
    for (size_t slash = folder.find_first_of(L"\\/"); slash != std::wstring::npos;
         slash = folder.find_first_of(L"\\/", slash + 1)) {
        ::CreateDirectoryW(folder.substr(0, slash).c_str(), nullptr);
    }
    ::CreateDirectoryW(folder.c_str(), nullptr);
    wchar_t name[128];
    std::swprintf(name, sizeof(name) / sizeof(name[0]), L"\\%hs-%llu-%llu.%hs", kind,
                  static_cast<unsigned long long>(seed), static_cast<unsigned long long>(index), extension);
    const std::wstring path = folder + name;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(file, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
        ::CloseHandle(file);
    }
    return path;
}

void CaseGuard::Start(const std::wstring& folder, const char* campaign, const char* extension, uint64_t seed,
                      DWORD timeoutMilliseconds) {
    GuardState& state = State();
    state.folder = folder;
    state.campaign = campaign;
    state.extension = extension;
    state.seed = seed;
    state.timeout = timeoutMilliseconds;
    if (state.thread != nullptr) {
        return;
    }
    ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(), &state.thread, 0, FALSE,
                      DUPLICATE_SAME_ACCESS);
    // Room on the stack for the handler when the stack itself overflowed.
    ULONG reserve = 64 * 1024;
    ::SetThreadStackGuarantee(&reserve);
    ::SetUnhandledExceptionFilter(&OnUnhandledException);
    std::signal(SIGABRT, &OnAbort);
    std::set_terminate([] { SaveAndEnd("crash", kExitCrash); });
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    HANDLE watchdog = ::CreateThread(nullptr, 0, &Watchdog, nullptr, 0, nullptr);
    if (watchdog != nullptr) {
        ::CloseHandle(watchdog);
    }
}

void CaseGuard::Begin(uint64_t index, const Bytes& input) {
    GuardState& state = State();
    state.input.store(&input);
    state.index.store(index);
    state.started.store(::GetTickCount64());
}

void CaseGuard::End() {
    GuardState& state = State();
    state.started.store(0);
    state.input.store(nullptr);
}

void CaseGuard::Fail() {
    SaveAndEnd("wrong", kExitCrash);
}

}  // namespace fuzz
