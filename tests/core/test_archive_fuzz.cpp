#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/fuzz/archive_mutations.h"

using namespace archivefuzz;

TEST(ArchiveFuzz, MutatedArchivesGiveTheRightItemOrNothing) {
    const Sample samples[] = {MakeSample(false), MakeSample(true)};
    for (const Sample& sample : samples) {
        ArchiveHandle archive = OpenArchive(sample.zip.data(), sample.zip.size());
        ASSERT_NE(nullptr, archive);
        for (const std::wstring& name : sample.lookups) {
            ArchiveEntry entry;
            bool prefixOnly = name == L"img/bg.pn";
            EXPECT_EQ(prefixOnly ? ArchiveNotFound : ArchiveOk, FindArchiveItem(archive, name.c_str(), &entry));
        }
        CloseArchive(archive);
    }

    const size_t kArchives = 200000;
    GuardedMemory input(64 * 1024);
    GuardedMemory output(64 * 1024);
    Random random(0x5EED2024u);
    Tally tally;
    double start = GetTickCount64() / 1000.0;
    for (size_t round = 0; round < kArchives; ++round) {
        const Sample& sample = samples[round % 2];
        Bytes zip = sample.zip;
        Mutate(zip, sample, random);
        if (zip.size() > input.Capacity())
            zip.resize(input.Capacity());
        const unsigned char* placed = input.Place(zip.data(), zip.size());
        Check(sample, placed, zip.size(), output, random, tally);
    }
    double seconds = GetTickCount64() / 1000.0 - start;

    std::printf(
        "archive fuzz: %zu archives, %zu opened, %zu lookups, %zu found, %zu complete, %zu partial, "
        "%zu failed extractions, %zu wrong, %.2f s\n",
        tally.archives, tally.opened, tally.lookups, tally.found, tally.complete, tally.partial, tally.failed,
        tally.wrong, seconds);
    EXPECT_EQ(0u, tally.wrong);
    // The mutations must leave enough archives readable to reach extraction.
    EXPECT_GT(tally.opened, kArchives / 4);
    EXPECT_GT(tally.failed, kArchives / 20);
    EXPECT_GT(tally.complete, kArchives / 4);
}
