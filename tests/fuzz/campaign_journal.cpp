// Mutated journals read at start, as a run after a crash reads them: the
// recovery may unmount only paths the journal names whole (one line, less
// its line end, well-formed UTF-8), never an installed font, and leaves the
// journal empty. The font system is a fake: nothing is unmounted for real.
#include <windows.h>

#include <set>
#include <string>

#include "app/fonts/MountJournal.h"
#include "tests/app/FakeFontSystem.h"
#include "tests/fuzz/fuzz_campaign.h"
#include "tests/fuzz/fuzz_mutate.h"
#include "tests/fuzz/fuzz_seeds.h"

namespace fuzz {

namespace {

const wchar_t kInstalled[] = L"C:\\windows\\Fonts";

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::vector<Bytes> MadeSeeds() {
    std::string many;
    for (int i = 0; i < 40; ++i) {
        many += "Z:\\fonts\\batch\\font" + std::to_string(i) + ".ttf\r\n";
    }
    return {
        Text("Z:\\home\\user\\fonts\\Alpha.ttf\r\nZ:\\home\\user\\fonts\\Beta.otf\r\n"),
        Text("C:\\Users\\me\\Desktop\\\xE5\xAD\x97\xE4\xBD\x93\\\xE5\xAE\x8B\xE4\xBD\x93.ttc\r\n"
             "D:\\fonts\\\xF0\x9F\x98\x80 emoji.ttf\n"),
        Text("C:\\windows\\Fonts\\tahoma.ttf\r\nC:\\WINDOWS\\fonts\\..\\Fonts\\arial.ttf\r\nZ:\\ok.fon\r\n"),
        Text("\\\\server\\share\\fonts\\Gamma.ttf\r\n\r\n\r\nrelative\\Delta.ttf"),
        Text("\xEF\xBB\xBFZ:\\bom\\first.ttf\r\nZ:\\" + std::string(300, 'x') + ".ttf\r\n"),
        Text(many),
    };
}

// The paths a journal names whole, decoded as the reader decodes a line.
std::set<std::wstring> WholeLines(const Bytes& journal) {
    std::set<std::wstring> lines;
    size_t start = 0;
    while (start < journal.size()) {
        size_t end = start;
        while (end < journal.size() && journal[end] != '\n') {
            ++end;
        }
        size_t length = end - start;
        if (length > 0 && journal[start + length - 1] == '\r') {
            --length;
        }
        const char* bytes = reinterpret_cast<const char*>(journal.data() + start);
        const int units = length > 0 ? ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes,
                                                             static_cast<int>(length), nullptr, 0)
                                     : 0;
        if (units > 0) {
            std::wstring line(static_cast<size_t>(units), L'\0');
            ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(length), &line[0], units);
            lines.insert(line);
        }
        start = end + 1;
    }
    return lines;
}

class JournalCampaign final : public Campaign {
public:
    ~JournalCampaign() override {
        if (!m_path.empty()) {
            ::DeleteFileW(m_path.c_str());
        }
    }
    const char* Name() const override { return "journal"; }
    const char* Extension() const override { return "txt"; }

    bool Prepare() override {
        m_seeds = MadeSeeds();
        wchar_t temp[MAX_PATH];
        const DWORD length = ::GetTempPathW(MAX_PATH, temp);
        if (length == 0 || length >= MAX_PATH) {
            return false;
        }
        m_path = std::wstring(temp) + L"quillet-fuzz-" + std::to_wstring(::GetCurrentProcessId()) + L".txt";
        return true;
    }

    Bytes Make(Random& random) override {
        Bytes journal = MutateSeed(m_seeds, random, 6);
        if (random.OneIn(4)) {  // a line end, a zero or a broken sequence somewhere
            static const std::string pieces[] = {"\r", "\n", "\r\n", std::string(1, '\0'), "\xC3", "\xED\xA0\x80"};
            const std::string& piece = pieces[random.Below(sizeof(pieces) / sizeof(pieces[0]))];
            journal.insert(journal.begin() + random.Below(journal.size() + 1), piece.begin(), piece.end());
        }
        return journal;
    }

    bool Run(const Bytes& input) override {
        if (!WriteWholeFile(m_path, input)) {
            return true;
        }
        FakeFontSystem fonts;
        const InstalledFontFolders installed({kInstalled});
        MountJournal(m_path).RecoverLeftovers(fonts, installed);
        const std::set<std::wstring> named = WholeLines(input);
        for (const std::wstring& call : fonts.calls) {
            const std::wstring prefix = L"unmount ";
            if (call.compare(0, prefix.size(), prefix) != 0) {
                return false;
            }
            const std::wstring path = call.substr(prefix.size());
            if (named.count(path) == 0 || installed.Holds(path)) {
                return false;
            }
        }
        return MountJournal(m_path).Read().empty();
    }

private:
    std::vector<Bytes> m_seeds;
    std::wstring m_path;
};

}  // namespace

std::unique_ptr<Campaign> MakeJournalCampaign() {
    return std::make_unique<JournalCampaign>();
}

}  // namespace fuzz
