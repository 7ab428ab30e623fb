#pragma once

// Mutations of any byte string, and of the numbers inside markup.
#include <cstdint>
#include <vector>

#include "tests/fuzz/fuzz_campaign.h"
#include "tests/fuzz/fuzz_random.h"

namespace fuzz {

// Inputs stay below this size, so that a case stays cheap however often spans are doubled.
constexpr size_t kMaxInputBytes = 1 << 20;

// One of: a flipped bit, a changed byte, random bytes inserted, a span
// deleted, a span duplicated, an interesting 16- or 32-bit number written
// over the bytes.
void MutateBytes(Bytes& bytes, Random& random);

// The start of `first` followed by the rest of `second`, cut at random points.
Bytes Splice(const Bytes& first, const Bytes& second, Random& random);

// A number a parser or an allocator finds hard: zero, one, limits of 8, 16
// and 32 bits and their neighbours, or anything.
int64_t InterestingNumber(Random& random);

// 1 to `most` mutations, some of them splices with another seed.
Bytes MutateSeed(const std::vector<Bytes>& seeds, Random& random, int most);

// Replaces the digits of a number found after `="` in the markup by an
// interesting number: the values of attributes are where lengths come from.
void MutateMarkupNumber(Bytes& text, Random& random);

// Writes `value` little- or big-endian at `offset` when the bytes are there.
void Put(Bytes& bytes, size_t offset, uint64_t value, int width, bool bigEndian);
uint32_t GetBigEndian(const Bytes& bytes, size_t offset, int width);

}  // namespace fuzz
