// Mutated skin archives through opening, lookup and extraction, placed
// against a guard page so that a read past the end faults. A lookup must give
// the item asked for, with its bytes, or nothing.
#include "tests/fuzz/archive_mutations.h"
#include "tests/fuzz/fuzz_campaign.h"

namespace fuzz {

namespace {

constexpr size_t kLargestArchive = 64 * 1024;

class ArchiveCampaign final : public Campaign {
public:
    ArchiveCampaign() : m_input(kLargestArchive), m_output(kLargestArchive) {}
    const char* Name() const override { return "archive"; }
    const char* Extension() const override { return "zip"; }

    bool Prepare() override {
        m_samples = {archivefuzz::MakeSample(false), archivefuzz::MakeSample(true)};
        return true;
    }

    Bytes Make(Random& random) override {
        const archivefuzz::Sample& sample = m_samples[random.Below(m_samples.size())];
        Bytes zip = sample.zip;
        archivefuzz::Mutate(zip, sample, random);
        if (zip.size() > kLargestArchive) {
            zip.resize(kLargestArchive);
        }
        return zip;
    }

    bool Run(const Bytes& input) override {
        uint64_t hash = 1469598103934665603ull;
        for (unsigned char byte : input) {
            hash = (hash ^ byte) * 1099511628211ull;
        }
        Random lengths(hash);
        archivefuzz::Tally tally;
        const size_t size = input.size() < m_input.Capacity() ? input.size() : m_input.Capacity();
        const unsigned char* placed = m_input.Place(input.data(), size);
        archivefuzz::Check(m_samples[0], placed, size, m_output, lengths, tally);
        return tally.wrong == 0;
    }

private:
    std::vector<archivefuzz::Sample> m_samples;
    GuardedMemory m_input;
    GuardedMemory m_output;
};

}  // namespace

std::unique_ptr<Campaign> MakeArchiveCampaign() {
    return std::make_unique<ArchiveCampaign>();
}

}  // namespace fuzz
