// Prints, one per line in UTF-8, every font family that GDI enumerates in this
// session whose name starts with the prefix given as the only argument. Run in
// the same Wine server as the program under test, it shows from outside which
// fonts that program has mounted. Wine hands a font mounted by another process
// to this one under a garbled family name but an intact full name ("Family
// Regular"), so a face whose full name matches is printed under that name.
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

struct Query {
    std::wstring prefix;
    std::set<std::wstring> families;
};

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) {
    auto* query = reinterpret_cast<Query*>(param);
    const std::wstring family(font->lfFaceName);
    const std::wstring full(reinterpret_cast<const ENUMLOGFONTEXW*>(font)->elfFullName);
    if (StartsWith(family, query->prefix)) {
        query->families.insert(family);
    } else if (StartsWith(full, query->prefix)) {
        query->families.insert(full);
    }
    return 1;
}

std::string ToUtf8(const std::wstring& text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) {
        return std::string();
    }
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], bytes, nullptr, nullptr);
    out.resize(static_cast<size_t>(bytes) - 1);
    return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: font_families PREFIX\n", stderr);
        return 2;
    }
    Query query;
    query.prefix = argv[1];
    LOGFONTW all{};  // an empty face name and DEFAULT_CHARSET: every family, once per character set
    all.lfCharSet = DEFAULT_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &all, CollectFamily, reinterpret_cast<LPARAM>(&query), 0);
    ReleaseDC(nullptr, screen);
    for (const std::wstring& family : query.families) {
        std::printf("%s\n", ToUtf8(family).c_str());
    }
    return 0;
}
