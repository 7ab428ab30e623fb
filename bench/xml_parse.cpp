// Parse throughput of the skin parser against pugixml on the same UTF-8 bytes:
// the program's four window skins, and a generated 2 MiB skin-like document.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "ui/core/xml/XmlDocument.h"

#ifdef QUILLET_HAVE_PUGIXML
#include "pugixml.hpp"
#endif

namespace {

// The program's own skins, compiled into this benchmark as resources.
std::vector<std::string> LoadSkins() {
    std::vector<std::string> skins;
    for (int id : {109, 115, 120, 122}) {
        HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), L"XML");
        HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
        if (loaded == nullptr) {
            std::fprintf(stderr, "skin %d is missing\n", id);
            std::exit(1);
        }
        skins.emplace_back(static_cast<const char*>(LockResource(loaded)), SizeofResource(nullptr, found));
    }
    return skins;
}

// 20,000 buttons with 5 attributes each, ten to a row, some with entities
// and Chinese text: about 2 MiB.
std::string GenerateLargeSkin() {
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Window size=\"1024,768\">\n<VerticalLayout>\n";
    for (int i = 0; i < 20000; ++i) {
        if (i % 10 == 0) {
            text += "<HorizontalLayout height=\"24\">\n";
        }
        const std::string n = std::to_string(i);
        const int left = i % 10 * 80;
        text += " <Button name=\"b" + n + "\" pos=\"" + std::to_string(left) + ",0," + std::to_string(left + 76) +
                ",24\" bkimage=\"res='" + std::to_string(101 + i % 23) + "'\"";
        text += i % 3 == 0 ? " text=\"复制&amp;打开\"" : " text=\"Item &lt;" + n + "&gt;\"";
        text += " textcolor=\"#FF3366" + std::to_string(10 + i % 90) + "\"/>\n";
        if (i % 10 == 9) {
            text += "</HorizontalLayout>\n";
        }
    }
    text += "</VerticalLayout>\n</Window>\n";
    return text;
}

struct Throughput {
    double ours;
    double pugixml;
};

// Megabytes (10^6 bytes) per second of the fastest of `rounds` timings of
// `repeats` parses of every document. The two parsers take turns, so that both
// see the same disturbances from the rest of the machine.
Throughput Compare(const char* name, const std::vector<std::string>& documents, int repeats) {
    constexpr int kRounds = 25;
    SkinUI::CXmlDocument document;
    bool ok = true;
    double ours = 1e300;
    size_t bytes = 0;
    UINT elements = 0;
    for (const std::string& text : documents) {
        bytes += text.size();
        ok = document.LoadFromMemory(text.data(), text.size(), SkinUI::XmlEncodingUtf8) && ok;
        elements += document.GetElementCount() - 1;
    }
#ifdef QUILLET_HAVE_PUGIXML
    pugi::xml_document reference;
    double pugixml = 1e300;
#endif
    for (int round = 0; round < kRounds; ++round) {
        ours =
            std::min(ours, bench::BestOf(1, [&] {
                         for (int i = 0; i < repeats; ++i) {
                             for (const std::string& text : documents) {
                                 ok = document.LoadFromMemory(text.data(), text.size(), SkinUI::XmlEncodingUtf8) && ok;
                             }
                         }
                     }));
#ifdef QUILLET_HAVE_PUGIXML
        pugixml = std::min(pugixml, bench::BestOf(1, [&] {
                               for (int i = 0; i < repeats; ++i) {
                                   for (const std::string& text : documents) {
                                       ok = static_cast<bool>(reference.load_buffer(
                                                text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8)) &&
                                            ok;
                                   }
                               }
                           }));
#endif
    }
    if (!ok) {
        std::fprintf(stderr, "a parse of the %s documents failed\n", name);
        std::exit(1);
    }
    const double megabytes = static_cast<double>(bytes) * repeats / 1e6;
    char detail[128];
    std::snprintf(detail, sizeof(detail), "%s, %zu bytes, %u elements", name, bytes, elements);
    Throughput result{megabytes / ours, 0.0};
    bench::Report((std::string("xml-parse-ours-") + name).c_str(), result.ours, "MB/s", detail);
#ifdef QUILLET_HAVE_PUGIXML
    result.pugixml = megabytes / pugixml;
    bench::Report((std::string("xml-parse-pugixml-") + name).c_str(), result.pugixml, "MB/s", detail);
#endif
    return result;
}

}  // namespace

int main() {
    const Throughput skins = Compare("skins", LoadSkins(), 1000);
    const Throughput generated = Compare("2mib", {GenerateLargeSkin()}, 5);
#ifdef QUILLET_HAVE_PUGIXML
    // The weaker of the two cases is the figure that counts.
    const double skinRatio = skins.ours / skins.pugixml;
    const double largeRatio = generated.ours / generated.pugixml;
    const Throughput& weaker = skinRatio < largeRatio ? skins : generated;
    char detail[160];
    std::snprintf(detail, sizeof(detail), "ours %.1f MB/s, pugixml %.1f MB/s, %s", weaker.ours, weaker.pugixml,
                  skinRatio < largeRatio ? "the four skins" : "the 2 MiB document");
    bench::Report("xml-parse-vs-pugixml", std::min(skinRatio, largeRatio), "ratio", detail);
#else
    (void)skins;
    (void)generated;
#endif
    return 0;
}
