#include "FuzzMutator.h"

#include <string.h>

#include <algorithm>

namespace qivfuzz {

namespace {

// Values that sit on the edges readers test for: signs, lengths that just
// fit or just overflow, escapes of the archive's count and string forms.
const uint32_t s_interesting[] = {
    0,          1,          2,          0x7F,       0x80,       0xFE,       0xFF,
    0x100,      0x3FF,      0x400,      0x7FFE,     0x7FFF,     0x8000,     0x8001,
    0xFFFE,     0xFFFF,     0x10000,    0x7FFFFFFE, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE,
    0xFFFFFFFF, 1024,       4096,       65536 * 16,
};

void FlipBit(Bytes& data, CFuzzRandom& random)
{
    if (!data.empty())
        data[random.Below(data.size())] ^= static_cast<unsigned char>(1u << random.Below(8));
}

void SetByte(Bytes& data, CFuzzRandom& random)
{
    if (!data.empty())
        data[random.Below(data.size())] = static_cast<unsigned char>(random.Next());
}

// An interesting value written little-endian over 1, 2 or 4 bytes.
void SetInteresting(Bytes& data, CFuzzRandom& random)
{
    static const size_t widths[] = {1, 2, 4};
    size_t nWidth = widths[random.Below(3)];
    if (data.size() < nWidth)
        return;
    uint32_t nValue = s_interesting[random.Below(sizeof(s_interesting) / sizeof(s_interesting[0]))];
    if (random.OneIn(4))
        nValue += static_cast<uint32_t>(random.Below(33)) - 16;
    size_t nAt = random.Below(data.size() - nWidth + 1);
    for (size_t i = 0; i < nWidth; ++i)
        data[nAt + i] = static_cast<unsigned char>(nValue >> (8 * i));
}

// A length from 1 up, short ones much more often than long ones.
size_t RunLength(CFuzzRandom& random, size_t nLimit)
{
    size_t nLength = random.OneIn(8) ? 1 + random.Below(256) : 1 + random.Below(8);
    return std::min(nLength, nLimit);
}

void InsertRun(Bytes& data, CFuzzRandom& random)
{
    size_t nAt = random.Below(data.size() + 1);
    size_t nLength = RunLength(random, 4096);
    Bytes run(nLength);
    unsigned char byFill = static_cast<unsigned char>(random.Next());
    bool bSame = random.OneIn(2);
    for (unsigned char& by : run)
        by = bSame ? byFill : static_cast<unsigned char>(random.Next());
    data.insert(data.begin() + static_cast<ptrdiff_t>(nAt), run.begin(), run.end());
}

void DeleteRun(Bytes& data, CFuzzRandom& random)
{
    if (data.empty())
        return;
    size_t nAt = random.Below(data.size());
    size_t nLength = RunLength(random, data.size() - nAt);
    data.erase(data.begin() + static_cast<ptrdiff_t>(nAt),
               data.begin() + static_cast<ptrdiff_t>(nAt + nLength));
}

// A run of the input repeated once or many times right behind itself.
void DuplicateRun(Bytes& data, CFuzzRandom& random)
{
    if (data.empty())
        return;
    size_t nAt = random.Below(data.size());
    size_t nLength = RunLength(random, data.size() - nAt);
    Bytes run(data.begin() + static_cast<ptrdiff_t>(nAt),
              data.begin() + static_cast<ptrdiff_t>(nAt + nLength));
    size_t nTimes = random.OneIn(4) ? 1 + random.Below(64) : 1;
    for (size_t i = 0; i < nTimes; ++i)
        data.insert(data.begin() + static_cast<ptrdiff_t>(nAt + nLength), run.begin(), run.end());
}

void Truncate(Bytes& data, CFuzzRandom& random)
{
    if (!data.empty())
        data.resize(random.Below(data.size()));
}

void PutToken(Bytes& data, const std::vector<std::string>& dictionary, CFuzzRandom& random)
{
    if (dictionary.empty())
        return;
    const std::string& token = dictionary[random.Below(dictionary.size())];
    size_t nAt = random.Below(data.size() + 1);
    if (random.OneIn(2) || nAt + token.size() > data.size())
        data.insert(data.begin() + static_cast<ptrdiff_t>(nAt), token.begin(), token.end());
    else
        memcpy(&data[nAt], token.data(), token.size());
}

} // namespace

uint64_t CFuzzRandom::Next()
{
    uint64_t z = (m_nState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

size_t CFuzzRandom::Below(size_t nBound)
{
    return nBound ? static_cast<size_t>(Next() % nBound) : 0;
}

Bytes Mutate(const Bytes& input, const std::vector<std::string>& dictionary, CFuzzRandom& random,
             size_t nMaxSize)
{
    Bytes data = input;
    size_t nSteps = 1 + random.Below(4);
    for (size_t i = 0; i < nSteps; ++i)
    {
        switch (random.Below(9))
        {
        case 0: FlipBit(data, random); break;
        case 1: SetByte(data, random); break;
        case 2:
        case 3: SetInteresting(data, random); break;
        case 4: InsertRun(data, random); break;
        case 5: DeleteRun(data, random); break;
        case 6: DuplicateRun(data, random); break;
        case 7: if (random.OneIn(3)) Truncate(data, random); else FlipBit(data, random); break;
        default: PutToken(data, dictionary, random); break;
        }
    }
    if (data.size() > nMaxSize)
        data.resize(nMaxSize);
    return data;
}

} // namespace qivfuzz
