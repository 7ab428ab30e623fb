#pragma once

// Mutated skin archives: a sample archive with its record layout, mutations
// aimed at the fields that say where things are, and the check that a
// lookup gives the right item or nothing. Shared by the archive test and the
// archive fuzz campaign.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "tests/core/guarded_memory.h"
#include "tests/core/zip_writer.h"
#include "tests/fuzz/fuzz_random.h"
#include "ui/core/resources/UIArchive.h"

namespace archivefuzz {

using namespace SkinUI;
using namespace ziptest;
using fuzz::Random;

struct Sample {
    std::vector<ZipItem> items;
    std::vector<std::wstring> lookups;  // every item name, in other letter cases too
    Bytes zip;
    ZipLayout layout;
};

inline std::string Pseudorandom(size_t length, uint32_t seed) {
    std::string text;
    for (size_t i = 0; i < length; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += static_cast<char>(seed >> 24);
    }
    return text;
}

inline Sample MakeSample(bool withComment) {
    Sample sample;
    std::string skin = "<Window size=\"400,300\" caption=\"0,0,0,30\">";
    for (int i = 0; i < 30; ++i)
        skin += "<Button name=\"b" + std::to_string(i) + "\" pos=\"0,0,20,20\"/>";
    skin += "</Window>";
    sample.items = {
        ZipItem{"skin/main.xml", skin, true, 0, ""},
        ZipItem{"img/bg.png", Pseudorandom(600, 7), false, 0, ""},
        ZipItem{"img/noise.bin", Pseudorandom(300, 99), true, 0, ""},
        ZipItem{"empty.txt", "", false, 0, ""},
        ZipItem{"\xe7\x9a\xae\xe8\x82\xa4.xml", "<Window/>", true, 0x0800, ""},
    };
    sample.lookups = {L"skin/main.xml", L"SKIN/Main.XML", L"img/bg.png",       L"IMG/BG.PNG",
                      L"img/noise.bin", L"empty.txt",     L"\x76ae\x80a4.xml", L"img/bg.pn"};
    sample.zip = BuildZip(sample.items, withComment ? "skin archive, fuzz base" : "", &sample.layout);
    return sample;
}

// Offsets of the fields that say where things are or how long they are.
inline std::vector<std::pair<size_t, int>> LengthFields(const Sample& sample) {
    std::vector<std::pair<size_t, int>> fields;
    for (size_t local : sample.layout.localHeaders) {
        for (size_t field : {Local::kCompressedSize, Local::kSize})
            fields.push_back({local + field, 4});
        for (size_t field : {Local::kFlags, Local::kMethod, Local::kNameLength, Local::kExtraLength})
            fields.push_back({local + field, 2});
    }
    for (size_t entry : sample.layout.directoryEntries) {
        for (size_t field : {Central::kCompressedSize, Central::kSize, Central::kLocalOffset, Central::kCrc})
            fields.push_back({entry + field, 4});
        for (size_t field : {Central::kFlags, Central::kMethod, Central::kNameLength, Central::kExtraLength,
                             Central::kCommentLength, Central::kDisk})
            fields.push_back({entry + field, 2});
    }
    size_t end = sample.layout.endRecord;
    for (size_t field : {End::kDirectorySize, End::kDirectoryOffset})
        fields.push_back({end + field, 4});
    for (size_t field : {End::kEntries, End::kEntriesOnDisk, End::kCommentLength, End::kDisk})
        fields.push_back({end + field, 2});
    return fields;
}

// The record starts that offsets may be pointed at to make records overlap.
inline std::vector<size_t> RecordStarts(const Sample& sample) {
    std::vector<size_t> starts = sample.layout.localHeaders;
    starts.insert(starts.end(), sample.layout.directoryEntries.begin(), sample.layout.directoryEntries.end());
    starts.push_back(sample.layout.directoryOffset);
    starts.push_back(sample.layout.endRecord);
    return starts;
}

inline uint32_t InterestingValue(Random& random, size_t archiveSize) {
    switch (random.Below(7)) {
    case 0:
        return 0;
    case 1:
        return 0xFFFFFFFFu;
    case 2:
        return 0xFFFFu;
    case 3:
        return static_cast<uint32_t>(random.Below(64));
    case 4:
        return static_cast<uint32_t>(archiveSize + random.Below(8)) - 4;
    case 5:
        return 64u * 1024 * 1024 + static_cast<uint32_t>(random.Below(3)) - 1;
    default:
        return static_cast<uint32_t>(random.Next());
    }
}

inline void Mutate(Bytes& zip, const Sample& sample, Random& random) {
    const std::vector<std::pair<size_t, int>> fields = LengthFields(sample);
    const std::vector<size_t> starts = RecordStarts(sample);
    size_t count = 1 + random.Below(4);
    for (size_t step = 0; step < count && !zip.empty(); ++step) {
        switch (random.Below(12)) {
        case 0:  // any byte
            zip[random.Below(zip.size())] = static_cast<unsigned char>(random.Next());
            break;
        case 1:
        case 2: {  // a byte of a record's fixed part
            size_t at = starts[random.Below(starts.size())] + random.Below(46);
            if (at < zip.size())
                zip[at] ^= static_cast<unsigned char>(1u << random.Below(8));
            break;
        }
        case 3:  // truncation
            zip.resize(random.Below(zip.size()));
            break;
        case 4:
        case 5:
        case 6: {  // a length or offset field
            const std::pair<size_t, int>& field = fields[random.Below(fields.size())];
            if (field.first + field.second > zip.size())
                break;
            uint32_t value = InterestingValue(random, zip.size());
            if (field.second == 2)
                Put16(zip, field.first, static_cast<uint16_t>(value));
            else
                Put32(zip, field.first, value);
            break;
        }
        case 7:
        case 8: {  // records pointed at each other
            size_t target = starts[random.Below(starts.size())] + random.Below(3) - 1;
            size_t entry = sample.layout.directoryEntries[random.Below(sample.layout.directoryEntries.size())];
            size_t at =
                random.OneIn(3) ? sample.layout.endRecord + End::kDirectoryOffset : entry + Central::kLocalOffset;
            if (at + 4 <= zip.size())
                Put32(zip, at, static_cast<uint32_t>(target));
            break;
        }
        case 9: {  // a span copied elsewhere
            size_t from = random.Below(zip.size());
            size_t length = random.Below(std::min<size_t>(zip.size() - from, 64)) + 1;
            Bytes span(zip.begin() + from, zip.begin() + from + length);
            zip.insert(zip.begin() + random.Below(zip.size() + 1), span.begin(), span.end());
            break;
        }
        case 10: {  // a span removed
            size_t from = random.Below(zip.size());
            size_t length = random.Below(std::min<size_t>(zip.size() - from, 32)) + 1;
            zip.erase(zip.begin() + from, zip.begin() + from + length);
            break;
        }
        default:  // stray bytes after the end record
            zip.insert(zip.end(), random.Below(16) + 1, static_cast<unsigned char>(random.Next()));
            break;
        }
    }
}

// The bytes an extraction returned must be (a prefix of) an item that really
// has the size the directory declared.
inline bool MatchesSomeItem(const Sample& sample, const ArchiveEntry& entry, const unsigned char* data, size_t length) {
    for (const ZipItem& item : sample.items) {
        if (item.data.size() == entry.size && length <= item.data.size() &&
            (length == 0 || std::memcmp(item.data.data(), data, length) == 0)) {
            return true;
        }
    }
    return false;
}

struct Tally {
    size_t archives = 0, opened = 0, lookups = 0, found = 0, complete = 0, partial = 0, failed = 0, wrong = 0;
};

inline void Check(const Sample& sample, const unsigned char* zip, size_t size, GuardedMemory& output, Random& random,
                  Tally& tally) {
    ++tally.archives;
    ArchiveHandle archive = OpenArchive(zip, size);
    if (archive == nullptr)
        return;
    ++tally.opened;
    for (const std::wstring& name : sample.lookups) {
        ++tally.lookups;
        ArchiveEntry entry;
        if (FindArchiveItem(archive, name.c_str(), &entry) != ArchiveOk)
            continue;
        ++tally.found;
        if (entry.name == nullptr || lstrcmpiW(entry.name, name.c_str()) != 0 || entry.size > kMaxArchiveItemSize) {
            ++tally.wrong;
            continue;
        }
        size_t length = std::min(entry.size, output.Capacity());
        if (length > 0 && random.OneIn(4))
            length = random.Below(length);
        unsigned char* buffer = output.Place(length);
        ArchiveResult result = ExtractArchiveItem(archive, entry.index, buffer, length);
        if (result == ArchiveOk) {
            ++tally.complete;
            if (length != entry.size || !MatchesSomeItem(sample, entry, buffer, length))
                ++tally.wrong;
        } else if (result == ArchiveBufferFull) {
            ++tally.partial;
            if (length >= entry.size || !MatchesSomeItem(sample, entry, buffer, length))
                ++tally.wrong;
        } else {
            ++tally.failed;
        }
    }
    CloseArchive(archive);
}

}  // namespace archivefuzz
