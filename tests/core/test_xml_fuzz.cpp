#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/core/guarded_memory.h"
#include "tests/core/xml_skin_samples.h"
#include "ui/core/xml/XmlDocument.h"

using SkinUI::CXmlDocument;
using SkinUI::CXmlNode;
using SkinUI::XmlElement;

namespace {

constexpr int kDocuments = 100000;
constexpr size_t kLargestDocument = 64 * 1024;

const std::set<std::wstring>& KnownMessages() {
    static const std::set<std::wstring> messages = {
        L"Expected start tag",         L"Error parsing element name",
        L"Expected start-tag closing", L"Expected end-tag start",
        L"Unmatched closing tag",      L"Error while parsing attributes",
        L"Expected attribute value",   L"Error while parsing attribute string",
        L"Elements nested too deeply",
    };
    return messages;
}

std::vector<std::string> SeedDocuments() {
    std::vector<std::string> seeds = xmlsamples::AllSkins();
    std::string deep;
    for (int i = 0; i < 250; ++i) {
        deep += "<VerticalLayout a=\"" + std::to_string(i) + "\">";
    }
    for (int i = 0; i < 250; ++i) {
        deep += "</VerticalLayout>";
    }
    seeds.push_back(deep);
    std::string wide = "<Window>text &gt; more<Button";
    for (int i = 0; i < 80; ++i) {
        wide += " attr" + std::to_string(i) + "=\"v&amp;" + std::to_string(i) + "&quot;\"";
    }
    wide += "/><Label text=\"&lt;&gt;&apos;\">body &amp; more</Label></Window>";
    seeds.push_back(wide);
    return seeds;
}

class Mutator {
public:
    explicit Mutator(unsigned seed) : m_random(seed) {}

    std::string Mutate(std::string text) {
        const int steps = 1 + static_cast<int>(Below(4));
        for (int i = 0; i < steps; ++i) {
            MutateOnce(text);
        }
        if (text.size() > kLargestDocument) {
            text.resize(kLargestDocument);
        }
        return text;
    }

    size_t Below(size_t bound) { return bound == 0 ? 0 : m_random() % bound; }

private:
    void MutateOnce(std::string& text) {
        static const char* const tokens[] = {"<",   ">",    "/>",           "</",   "\"",   "=", "&amp;",
                                             "&",   "<!--", "-->",          "<?",   "?>",   " ", "\t\n",
                                             "<a>", "</a>", "\xE5\xAD\x97", "\xC2", "\x80", "\0"};
        const size_t size = text.size();
        switch (Below(6)) {
        case 0:  // flip a byte
            if (size != 0) {
                text[Below(size)] = static_cast<char>(m_random());
            }
            break;
        case 1:  // truncate
            text.resize(Below(size + 1));
            break;
        case 2: {  // duplicate a span
            const size_t start = Below(size + 1);
            const size_t length = Below(std::min<size_t>(size - start, 400) + 1);
            text.insert(Below(size + 1), text.substr(start, length));
            break;
        }
        case 3: {  // delete a span
            const size_t start = Below(size + 1);
            text.erase(start, Below(std::min<size_t>(size - start, 200) + 1));
            break;
        }
        default: {  // insert a token that matters to the markup
            const size_t token = Below(sizeof(tokens) / sizeof(tokens[0]));
            const size_t length = token == sizeof(tokens) / sizeof(tokens[0]) - 1 ? 1 : strlen(tokens[token]);
            text.insert(Below(size + 1), tokens[token], length);
            break;
        }
        }
    }

    std::mt19937 m_random;
};

bool Inside(const CXmlDocument& document, LPCWSTR pointer) {
    return pointer >= document.GetText() && pointer <= document.GetText() + document.GetTextLength();
}

// A string that starts inside the text and ends at a NUL inside it.
bool TerminatedInside(const CXmlDocument& document, LPCWSTR pointer) {
    if (!Inside(document, pointer)) {
        return false;
    }
    const size_t room = static_cast<size_t>(document.GetText() + document.GetTextLength() - pointer) + 1;
    return wcsnlen(pointer, room) < room;
}

// Checks every entry of the table and walks the tree through handles.
void ExpectSoundDocument(const CXmlDocument& document, const std::string& source) {
    const UINT count = document.GetElementCount();
    ASSERT_GE(count, 2u) << source;
    const size_t length = document.GetTextLength();
    ASSERT_EQ(L'\0', document.GetText()[length]);
    for (UINT i = 1; i < count; ++i) {
        const XmlElement& element = *document.GetElement(i);
        ASSERT_LE(element.start, length) << source;
        ASSERT_LE(element.data, length) << source;
        ASSERT_LT(element.child, count) << source;
        ASSERT_LT(element.next, count) << source;
        ASSERT_LT(element.parent, count) << source;
        // Links only point forward, so walking them always ends.
        ASSERT_TRUE(element.child == 0 || element.child > i) << source;
        ASSERT_TRUE(element.next == 0 || element.next > i) << source;
        ASSERT_TRUE(element.child == 0 || document.GetElement(element.child)->parent == i) << source;
        ASSERT_TRUE(element.next == 0 || document.GetElement(element.next)->parent == element.parent) << source;
        ASSERT_TRUE(TerminatedInside(document, document.GetText() + element.start)) << source;
        ASSERT_TRUE(TerminatedInside(document, document.GetText() + element.data)) << source;
    }

    std::vector<CXmlNode> pending = {document.GetRoot()};
    UINT visited = 0;
    WCHAR value[32];
    while (!pending.empty()) {
        const CXmlNode node = pending.back();
        pending.pop_back();
        for (CXmlNode current = node; current.IsValid(); current = current.GetSibling()) {
            ASSERT_LT(++visited, count) << source;
            ASSERT_TRUE(TerminatedInside(document, current.GetName()));
            const int attributes = current.GetAttributeCount();
            ASSERT_LE(attributes, CXmlNode::kMaxAttributes);
            for (int a = 0; a < attributes; ++a) {
                ASSERT_TRUE(TerminatedInside(document, current.GetAttributeName(a))) << source;
                ASSERT_TRUE(TerminatedInside(document, current.GetAttributeValue(a))) << source;
                ASSERT_TRUE(current.GetAttributeValue(current.GetAttributeName(a), value, 32));
                ASSERT_LT(wcslen(value), 32u);
            }
            if (current.HasChildren()) {
                pending.push_back(current.GetChild());
            }
        }
    }
}

}  // namespace

TEST(XmlFuzz, MutatedSkinsLoadSoundlyOrFailWithAKnownMessage) {
    const std::vector<std::string> seeds = SeedDocuments();
    for (const std::string& seed : seeds) {
        CXmlDocument document;
        ASSERT_TRUE(document.LoadFromMemory(seed.data(), seed.size())) << document.GetLastErrorMessage();
        ExpectSoundDocument(document, seed);
    }

    Mutator mutator(0x5EEDu);
    GuardedMemory input(kLargestDocument * 2);
    CXmlDocument reused;
    int loaded = 0;
    for (int round = 0; round < kDocuments; ++round) {
        const std::string& seed = seeds[mutator.Below(seeds.size())];
        const std::string mutated = mutator.Mutate(seed);
        // Flush against a guard page, so that reading past the caller's bytes faults.
        const unsigned char* bytes = input.Place(mutated.data(), mutated.size());
        const SkinUI::XmlEncoding encoding = round % 16 == 0 ? SkinUI::XmlEncodingUtf16 : SkinUI::XmlEncodingUtf8;
        // Mostly a fresh object; sometimes one that held an earlier document.
        CXmlDocument fresh;
        CXmlDocument& document = round % 3 == 0 ? reused : fresh;
        if (document.LoadFromMemory(bytes, mutated.size(), encoding)) {
            ++loaded;
            ExpectSoundDocument(document, mutated);
        } else {
            ASSERT_EQ(1u, KnownMessages().count(document.GetLastErrorMessage())) << testing::PrintToString(mutated);
            ASSERT_FALSE(document.IsValid());
            ASSERT_FALSE(document.GetRoot().IsValid());
        }
        if (HasFatalFailure()) {
            return;
        }
    }
    // Both outcomes must be well represented for the run to mean anything.
    EXPECT_GT(loaded, kDocuments / 10);
    EXPECT_LT(loaded, kDocuments * 9 / 10);
}
