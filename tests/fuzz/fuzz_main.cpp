// quillet_fuzz CAMPAIGN FIRST COUNT [--seed N] [--out FOLDER] [--timeout MS]
// quillet_fuzz CAMPAIGN --replay FILE
//
// Runs cases FIRST to FIRST+COUNT-1 of a campaign ("all" runs each one) and
// prints "done CAMPAIGN CASES SECONDS" for each. A case that crashes, hangs or
// answers wrongly is saved under FOLDER\CAMPAIGN and ends the process after a
// line "crash|hang|wrong CAMPAIGN INDEX"; scripts/fuzz goes on from the next
// case. Case INDEX is made from (campaign, seed, index) alone.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_campaign.h"
#include "tests/fuzz/fuzz_guard.h"

using namespace fuzz;

namespace {

struct Options {
    std::wstring campaign;
    uint64_t first = 0;
    uint64_t count = 0;
    uint64_t seed = 1;
    std::wstring out = L"build\\fuzz";
    std::wstring replay;
    DWORD timeout = 1000;
};

std::unique_ptr<Campaign> MakeCampaign(const std::wstring& name) {
    if (name == L"skin") {
        return MakeSkinCampaign();
    }
    if (name == L"image") {
        return MakeImageCampaign();
    }
    if (name == L"archive") {
        return MakeArchiveCampaign();
    }
    if (name == L"font") {
        return MakeFontCampaign();
    }
    if (name == L"journal") {
        return MakeJournalCampaign();
    }
    return nullptr;
}

bool ReadOptions(int argc, wchar_t** argv, Options& options) {
    if (argc < 3) {
        return false;
    }
    options.campaign = argv[1];
    int at = 2;
    if (std::wcscmp(argv[2], L"--replay") != 0) {
        if (argc < 4) {
            return false;
        }
        options.first = std::wcstoull(argv[2], nullptr, 10);
        options.count = std::wcstoull(argv[3], nullptr, 10);
        at = 4;
    }
    for (; at + 1 < argc; at += 2) {
        const std::wstring flag = argv[at];
        if (flag == L"--seed") {
            options.seed = std::wcstoull(argv[at + 1], nullptr, 10);
        } else if (flag == L"--out") {
            options.out = argv[at + 1];
        } else if (flag == L"--timeout") {
            options.timeout = static_cast<DWORD>(std::wcstoul(argv[at + 1], nullptr, 10));
        } else if (flag == L"--replay") {
            options.replay = argv[at + 1];
        } else {
            return false;
        }
    }
    return at == argc;
}

bool ReadFileBytes(const std::wstring& path, Bytes& bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size = {};
    bool read = ::GetFileSizeEx(file, &size) && size.QuadPart >= 0 && size.QuadPart < (1 << 30);
    if (read) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        read = bytes.empty() ||
               (::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size());
    }
    ::CloseHandle(file);
    return read;
}

// Different campaigns draw different cases from one seed.
uint64_t CampaignSeed(const std::wstring& name, uint64_t seed) {
    uint64_t hash = 1469598103934665603ull;
    for (wchar_t ch : name) {
        hash = (hash ^ static_cast<uint64_t>(ch)) * 1099511628211ull;
    }
    return hash ^ seed;
}

int RunCampaign(const std::wstring& name, const Options& options) {
    std::unique_ptr<Campaign> campaign = MakeCampaign(name);
    if (campaign == nullptr || !campaign->Prepare()) {
        std::printf("fuzz: campaign %ls is unknown or has no seeds\n", name.c_str());
        return 2;
    }
    // A replayed input is saved already.
    const std::wstring folder = options.replay.empty() ? options.out + L"\\" + name : std::wstring();
    CaseGuard::Start(folder, campaign->Name(), campaign->Extension(), options.seed, options.timeout);
    if (!options.replay.empty()) {
        Bytes input;
        if (!ReadFileBytes(options.replay, input)) {
            std::printf("fuzz: cannot read %ls\n", options.replay.c_str());
            return 2;
        }
        const ULONGLONG start = ::GetTickCount64();
        CaseGuard::Begin(0, input);
        const bool right = campaign->Run(input);
        CaseGuard::End();
        if (!right) {
            CaseGuard::Fail();
        }
        std::printf("done %s 1 %.3f\n", campaign->Name(), (::GetTickCount64() - start) / 1000.0);
        return 0;
    }
    const uint64_t campaignSeed = CampaignSeed(name, options.seed);
    const ULONGLONG start = ::GetTickCount64();
    for (uint64_t index = options.first; index < options.first + options.count; ++index) {
        Random random(CaseSeed(campaignSeed, index));
        const Bytes input = campaign->Make(random);
        CaseGuard::Begin(index, input);
        const bool right = campaign->Run(input);
        CaseGuard::End();
        if (!right) {
            CaseGuard::Begin(index, input);
            CaseGuard::Fail();
        }
    }
    std::printf("done %s %llu %.3f\n", campaign->Name(), static_cast<unsigned long long>(options.count),
                (::GetTickCount64() - start) / 1000.0);
    std::fflush(stdout);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Options options;
    if (!ReadOptions(argc, argv, options)) {
        std::printf(
            "usage: quillet_fuzz skin|image|archive|font|journal|all FIRST COUNT [--seed N] [--out FOLDER]\n"
            "       quillet_fuzz CAMPAIGN --replay FILE\n");
        return 2;
    }
    if (options.campaign != L"all") {
        return RunCampaign(options.campaign, options);
    }
    for (const wchar_t* name : {L"skin", L"image", L"archive", L"font", L"journal"}) {
        const int result = RunCampaign(name, options);
        if (result != 0) {
            return result;
        }
    }
    return 0;
}
