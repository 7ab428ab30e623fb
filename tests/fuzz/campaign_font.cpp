// Mutated font files (TrueType, OpenType, collections, bitmap .fon) through
// what the program reads of a dropped file: its full name, and the face name
// and characters the character map shows, then the character map itself (a
// hidden window), which asks GDI for the characters when the file's own map
// cannot be read. Seeds are the generated test fonts beside the test programs
// and the fonts of the Windows folder and of QUILLET_FUZZ_FONTS. The
// characters must come ascending, once each.
#include <windows.h>

#include <algorithm>
#include <string>

#include "app/fonts/FontNameReader.h"
#include "app/windows/CharMap.h"
#include "tests/fuzz/fuzz_campaign.h"
#include "tests/fuzz/fuzz_mutate.h"
#include "tests/fuzz/fuzz_seeds.h"

namespace fuzz {

namespace {

constexpr size_t kLargestSeed = 1 << 20;

bool IsSfnt(const Bytes& font) {
    const uint32_t tag = GetBigEndian(font, 0, 4);
    return tag == 0x00010000u || tag == 0x4F54544Fu || tag == 0x74727565u;  // 1.0, 'OTTO', 'true'
}

// Where the table directory of the first face starts, following a collection's first offset.
size_t DirectoryStart(const Bytes& font) {
    if (GetBigEndian(font, 0, 4) == 0x74746366u) {  // 'ttcf'
        return GetBigEndian(font, 12, 4);
    }
    return IsSfnt(font) ? 0 : font.size();
}

// A length or offset of a table record, or a number inside the character
// map: the fields a reader trusts to find its way.
void MutateTables(Bytes& font, Random& random) {
    const size_t directory = DirectoryStart(font);
    const size_t tables = GetBigEndian(font, directory + 4, 2);
    if (directory >= font.size() || tables == 0 || tables > 64) {
        return;
    }
    const size_t record = directory + 12 + 16 * random.Below(tables);
    const uint32_t tag = GetBigEndian(font, record, 4);
    const uint32_t offset = GetBigEndian(font, record + 8, 4);
    if (tag == 0x636D6170u && random.OneIn(2)) {  // 'cmap': a field of its subtables
        const size_t at = offset + 2 * random.Below(256);
        Put(font, at, static_cast<uint64_t>(InterestingNumber(random)), random.OneIn(2) ? 2 : 4, true);
        return;
    }
    const size_t field = record + (random.OneIn(2) ? 8 : 12);
    const uint64_t value = random.OneIn(3) ? GetBigEndian(font, directory + 12 + 16 * random.Below(tables) + 8, 4)
                                           : static_cast<uint64_t>(InterestingNumber(random));
    Put(font, field, value, 4, true);
}

bool Ascending(const std::vector<char32_t>& characters) {
    for (size_t i = 1; i < characters.size(); ++i) {
        if (characters[i] <= characters[i - 1]) {
            return false;
        }
    }
    return characters.empty() || characters.back() <= 0x10FFFF;
}

// The Windows fonts folder and the folders in QUILLET_FUZZ_FONTS (separated
// by ';'): under Wine, its own fonts live outside the prefix.
std::vector<std::wstring> FontFolders() {
    std::vector<std::wstring> folders;
    wchar_t windows[MAX_PATH];
    const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        folders.push_back(std::wstring(windows) + L"\\Fonts");
    }
    wchar_t extra[4096];
    const DWORD extraLength = ::GetEnvironmentVariableW(L"QUILLET_FUZZ_FONTS", extra, 4096);
    if (extraLength > 0 && extraLength < 4096) {
        const std::wstring list(extra, extraLength);
        for (size_t start = 0; start <= list.size();) {
            const size_t end = std::min(list.find(L';', start), list.size());
            if (end > start) {
                folders.push_back(list.substr(start, end - start));
            }
            start = end + 1;
        }
    }
    return folders;
}

class FontCampaign final : public Campaign {
public:
    ~FontCampaign() override {
        if (m_charMap != nullptr) {
            ::DestroyWindow(*m_charMap);
        }
        if (!m_path.empty()) {
            ::DeleteFileW(m_path.c_str());
        }
    }
    const char* Name() const override { return "font"; }
    const char* Extension() const override { return "font"; }

    bool Prepare() override {
        const std::vector<std::wstring> extensions = {L".ttf", L".otf", L".ttc", L".otc", L".fon"};
        m_seeds = FileSeeds(ProgramFolder() + L"fonts", extensions, kLargestSeed);
        for (const std::wstring& folder : FontFolders()) {
            for (Bytes& seed : FileSeeds(folder, extensions, kLargestSeed)) {
                m_seeds.push_back(std::move(seed));
            }
        }
        wchar_t temp[MAX_PATH];
        const DWORD tempLength = ::GetTempPathW(MAX_PATH, temp);
        if (tempLength == 0 || tempLength >= MAX_PATH) {
            return false;
        }
        m_path = std::wstring(temp) + L"quillet-fuzz-" + std::to_wstring(::GetCurrentProcessId()) + L".font";
        SkinUI::CUIManager::SetInstance(::GetModuleHandleW(nullptr));
        m_charMap = CAppWindow::CreateOwned(new CharMap, nullptr, L"CharSet Map", WS_POPUP, 0, 0, 0, 650, 460);
        return !m_seeds.empty() && m_charMap != nullptr;
    }

    Bytes Make(Random& random) override {
        Bytes font = m_seeds[random.Below(m_seeds.size())];
        const int steps = 1 + static_cast<int>(random.Below(4));
        for (int step = 0; step < steps; ++step) {
            if (random.OneIn(2)) {
                MutateTables(font, random);
            } else if (random.OneIn(16)) {
                font = Splice(font, m_seeds[random.Below(m_seeds.size())], random);
            } else {
                MutateBytes(font, random);
            }
        }
        return font;
    }

    bool Run(const Bytes& input) override {
        if (!WriteWholeFile(m_path, input)) {
            return true;
        }
        m_reader.ReadFullName(m_path);
        const FontFaceInfo face = m_reader.ReadFace(m_path);
        if (face.charactersRead && !Ascending(face.characters)) {
            return false;
        }
        m_charMap->LoadFont(m_path, face);
        return Ascending(m_charMap->Characters());
    }

private:
    std::vector<Bytes> m_seeds;
    std::wstring m_path;
    FreeTypeNameReader m_reader;
    CharMap* m_charMap = nullptr;
};

}  // namespace

std::unique_ptr<Campaign> MakeFontCampaign() {
    return std::make_unique<FontCampaign>();
}

}  // namespace fuzz
