// The paths a start of Quillet is given, and the paths a second start hands
// to the first: arguments resolved as a shell passes them, and a hand-over
// message read as the untrusted input it is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/system/CommandLine.h"
#include "app/system/SingleInstance.h"

namespace {

using Paths = std::vector<std::wstring>;

TEST(CommandLine, ArgumentsAreFullPathsInOrder) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::wstring here = std::wstring(current) + (current[wcslen(current) - 1] == L'\\' ? L"" : L"\\");
    const struct {
        LPCWSTR line;
        Paths paths;
    } cases[] = {
        {L"quillet.exe", {}},
        {L"\"C:\\Program Files\\quillet.exe\"  \t", {}},
        {L"\"C:\\Program Files\\quillet.exe\"a.ttf", {here + L"a.ttf"}},
        {L"quillet.exe\ta.ttf", {here + L"a.ttf"}},
        {L"\"C:\\Program Files\\quillet.exe\" \"C:\\My Fonts\\a b.ttf\" C:\\x.otf",
         {L"C:\\My Fonts\\a b.ttf", L"C:\\x.otf"}},
        {L"quillet.exe b.ttf \"\" sub\\..\\c.ttf", {here + L"b.ttf", here + L"c.ttf"}},
        {L"quillet.exe C:\\fonts\\", {L"C:\\fonts\\"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.paths, CommandLinePaths(c.line)) << c.line;
    }
}

COPYDATASTRUCT Message(const std::vector<wchar_t>& units, size_t bytes) {
    COPYDATASTRUCT data = {};
    data.dwData = kPathsCopyData;
    data.cbData = static_cast<DWORD>(bytes);
    data.lpData = const_cast<wchar_t*>(units.data());
    return data;
}

TEST(CommandLine, AHandOverCarriesThePathsAndNothingBeyondItsBytes) {
    const Paths paths = {L"C:\\My Fonts\\a b.ttf", L"D:\\字体\\甲.otf"};
    const std::vector<wchar_t> units = EncodePaths(paths);
    const size_t bytes = units.size() * sizeof(wchar_t);
    EXPECT_EQ(paths, DecodePaths(Message(units, bytes)));

    COPYDATASTRUCT foreign = Message(units, bytes);
    foreign.dwData = 1;
    EXPECT_EQ(Paths{}, DecodePaths(foreign)) << "another program's message";
    EXPECT_EQ(Paths{}, DecodePaths(Message(units, bytes - 1))) << "half a unit";
    EXPECT_EQ(Paths{paths[0]}, DecodePaths(Message(units, bytes - sizeof(wchar_t))))
        << "a last path without its terminator is cut short: dropped";
    const std::vector<wchar_t> empties = {L'\0', L'a', L'\0', L'\0'};
    EXPECT_EQ(Paths{L"a"}, DecodePaths(Message(empties, empties.size() * sizeof(wchar_t))));
    COPYDATASTRUCT nothing = Message(units, bytes);
    nothing.lpData = nullptr;
    EXPECT_EQ(Paths{}, DecodePaths(nothing));
}

}  // namespace
