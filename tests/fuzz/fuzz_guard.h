#pragma once

// What ends a case that crashes or hangs: the input is saved under the
// campaign's folder and the process ends with a code that says why, after a
// line naming the case on standard output. A crash cannot be survived in the
// process, so the caller starts a new process at the next case.
#include <windows.h>

#include <cstdint>
#include <string>

#include "tests/fuzz/fuzz_campaign.h"

namespace fuzz {

constexpr int kExitCrash = 70;
constexpr int kExitHang = 71;

class CaseGuard {
public:
    // Watches the calling thread from now on. `folder` receives failing inputs; empty, they are not saved.
    static void Start(const std::wstring& folder, const char* campaign, const char* extension, uint64_t seed,
                      DWORD timeoutMilliseconds);
    static void Begin(uint64_t index, const Bytes& input);
    static void End();
    // For a case that finished with a wrong answer.
    [[noreturn]] static void Fail();
};

// Saves `input` as `<folder>\<kind>-<seed>-<index>.<extension>`; the folder is made when missing.
std::wstring SaveInput(const std::wstring& folder, const char* kind, uint64_t seed, uint64_t index,
                       const char* extension, const Bytes& input);

}  // namespace fuzz
