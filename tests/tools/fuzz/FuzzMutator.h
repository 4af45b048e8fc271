// The fuzz runner's mutations: a seeded random source and the changes it
// makes to an input, each as a real file damage would: flipped bits, odd
// values in 16- and 32-bit fields, runs inserted, deleted or repeated, a cut
// end, and tags of the format put where they do not belong.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <string>
#include <vector>

namespace qivfuzz {

using Bytes = std::vector<unsigned char>;

// splitmix64: small, fast and the same on every platform for one seed.
class CFuzzRandom
{
public:
    explicit CFuzzRandom(uint64_t nSeed) : m_nState(nSeed) {}
    uint64_t Next();
    // 0 .. nBound - 1 (0 for a bound of 0).
    size_t Below(size_t nBound);
    bool OneIn(size_t n) { return Below(n) == 0; }

private:
    uint64_t m_nState;
};

// Applies one to four stacked mutations to a copy of the input. Dictionary
// entries are the format's own tags and keywords. The result never grows
// beyond nMaxSize bytes.
Bytes Mutate(const Bytes& input, const std::vector<std::string>& dictionary, CFuzzRandom& random,
             size_t nMaxSize);

} // namespace qivfuzz
