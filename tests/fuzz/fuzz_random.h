#pragma once

// The fuzzers' random numbers: xorshift64*, the same sequence on every
// platform for a given seed, so that a case is made again from its seed.
#include <cstddef>
#include <cstdint>

namespace fuzz {

class Random {
public:
    explicit Random(uint64_t seed) : m_state(seed != 0 ? seed : 0x9E3779B97F4A7C15ull) {}
    uint64_t Next() {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1Dull;
    }
    size_t Below(size_t limit) { return limit == 0 ? 0 : static_cast<size_t>(Next() % limit); }
    bool OneIn(size_t n) { return Below(n) == 0; }

private:
    uint64_t m_state;
};

// One seed for case `index` of a campaign: neighbouring indices give unrelated sequences.
inline uint64_t CaseSeed(uint64_t campaignSeed, uint64_t index) {
    uint64_t z = campaignSeed + 0x9E3779B97F4A7C15ull * (index + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace fuzz
