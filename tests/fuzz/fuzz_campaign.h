#pragma once

// A fuzz campaign: it makes case `index` from its seeds with the random
// numbers of (seed, index) alone, and runs one input through the code under
// test. A run must neither crash nor take long; a wrong answer is reported
// as false and saved like a crash.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_random.h"

namespace fuzz {

typedef std::vector<unsigned char> Bytes;

class Campaign {
public:
    virtual ~Campaign() = default;
    virtual const char* Name() const = 0;
    // The extension a saved input gets, so that other tools open it.
    virtual const char* Extension() const = 0;
    // Loads the seeds and makes what every case shares; false without seeds.
    virtual bool Prepare() = 0;
    virtual Bytes Make(Random& random) = 0;
    // False when the code under test answered wrongly.
    virtual bool Run(const Bytes& input) = 0;
};

std::unique_ptr<Campaign> MakeSkinCampaign();
std::unique_ptr<Campaign> MakeImageCampaign();
std::unique_ptr<Campaign> MakeArchiveCampaign();
std::unique_ptr<Campaign> MakeFontCampaign();
std::unique_ptr<Campaign> MakeJournalCampaign();

}  // namespace fuzz
