#include "tests/fuzz/fuzz_mutate.h"

#include <algorithm>
#include <string>

namespace fuzz {

namespace {

const int64_t kInterestingNumbers[] = {
    0,          1,      -1,     2,         7,        8,          16,         32,          64,
    100,        127,    128,    255,       256,      1000,       1001,       1024,        4096,
    16384,      32767,  32768,  65535,     65536,    99999999,   2147483647, -2147483648, 4294967295,
    4294967296, -32768, -65536, -99999999, 16777216, 0x7FFFFFFE, 0x80000001, 1073741824,  536870912};

size_t SpanLength(Random& random, size_t available) {
    const size_t most = std::min<size_t>(available, random.OneIn(8) ? 4096 : 64);
    return most == 0 ? 0 : 1 + random.Below(most);
}

}  // namespace

int64_t InterestingNumber(Random& random) {
    if (random.OneIn(8)) {
        return static_cast<int32_t>(random.Next());
    }
    return kInterestingNumbers[random.Below(sizeof(kInterestingNumbers) / sizeof(kInterestingNumbers[0]))];
}

void Put(Bytes& bytes, size_t offset, uint64_t value, int width, bool bigEndian) {
    if (offset > bytes.size() || static_cast<size_t>(width) > bytes.size() - offset) {
        return;
    }
    for (int i = 0; i < width; ++i) {
        const int shift = 8 * (bigEndian ? width - 1 - i : i);
        bytes[offset + i] = static_cast<unsigned char>(value >> shift);
    }
}

uint32_t GetBigEndian(const Bytes& bytes, size_t offset, int width) {
    uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        value = (value << 8) | (offset + i < bytes.size() ? bytes[offset + i] : 0);
    }
    return value;
}

void MutateBytes(Bytes& bytes, Random& random) {
    switch (random.Below(7)) {
    case 0:
        if (!bytes.empty()) {
            bytes[random.Below(bytes.size())] ^= static_cast<unsigned char>(1u << random.Below(8));
        }
        break;
    case 1:
        if (!bytes.empty()) {
            bytes[random.Below(bytes.size())] = static_cast<unsigned char>(random.Next());
        }
        break;
    case 2: {
        const size_t count = 1 + random.Below(16);
        const size_t at = random.Below(bytes.size() + 1);
        Bytes inserted(count);
        for (unsigned char& byte : inserted) {
            byte = static_cast<unsigned char>(random.Next());
        }
        bytes.insert(bytes.begin() + at, inserted.begin(), inserted.end());
        break;
    }
    case 3:
        if (!bytes.empty()) {
            const size_t at = random.Below(bytes.size());
            const size_t length = SpanLength(random, bytes.size() - at);
            bytes.erase(bytes.begin() + at, bytes.begin() + at + length);
        }
        break;
    case 4:
        if (!bytes.empty()) {
            const size_t from = random.Below(bytes.size());
            const Bytes span(bytes.begin() + from, bytes.begin() + from + SpanLength(random, bytes.size() - from));
            const size_t copies = random.OneIn(4) ? 1 + random.Below(16) : 1;
            for (size_t copy = 0; copy < copies && bytes.size() < kMaxInputBytes; ++copy) {
                bytes.insert(bytes.begin() + random.Below(bytes.size() + 1), span.begin(), span.end());
            }
        }
        break;
    default:
        if (!bytes.empty()) {
            const int width = random.OneIn(2) ? 2 : 4;
            Put(bytes, random.Below(bytes.size()), static_cast<uint64_t>(InterestingNumber(random)), width,
                random.OneIn(2));
        }
        break;
    }
    if (bytes.size() > kMaxInputBytes) {
        bytes.resize(kMaxInputBytes);
    }
}

Bytes Splice(const Bytes& first, const Bytes& second, Random& random) {
    const size_t head = random.Below(first.size() + 1);
    const size_t tail = random.Below(second.size() + 1);
    Bytes spliced(first.begin(), first.begin() + head);
    spliced.insert(spliced.end(), second.begin() + tail, second.end());
    if (spliced.size() > kMaxInputBytes) {
        spliced.resize(kMaxInputBytes);
    }
    return spliced;
}

Bytes MutateSeed(const std::vector<Bytes>& seeds, Random& random, int most) {
    Bytes bytes = seeds[random.Below(seeds.size())];
    const int steps = 1 + static_cast<int>(random.Below(static_cast<size_t>(most)));
    for (int step = 0; step < steps; ++step) {
        if (random.OneIn(16)) {
            bytes = Splice(bytes, seeds[random.Below(seeds.size())], random);
        } else {
            MutateBytes(bytes, random);
        }
    }
    return bytes;
}

void MutateMarkupNumber(Bytes& text, Random& random) {
    std::vector<size_t> numbers;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        const bool valueStart = text[i - 1] == '"' || text[i - 1] == '\'' || text[i - 1] == ',';
        if (valueStart && ((text[i] >= '0' && text[i] <= '9') || text[i] == '-')) {
            numbers.push_back(i);
        }
    }
    if (numbers.empty()) {
        return;
    }
    const size_t at = numbers[random.Below(numbers.size())];
    size_t end = at + 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    const std::string value = std::to_string(InterestingNumber(random));
    text.erase(text.begin() + at, text.begin() + end);
    text.insert(text.begin() + at, value.begin(), value.end());
}

}  // namespace fuzz
