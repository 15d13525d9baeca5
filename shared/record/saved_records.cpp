#include "record/saved_records.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace papyrka {
namespace {

constexpr char kQuote = '"';

// Which of 64 bytes are quotes and which start a CR LF: bit k for the byte at block + k, none
// past the end.
struct BlockBits {
    std::uint64_t quotes = 0, lineEnds = 0;
};

BlockBits BitsAt(std::string_view bytes, size_t block) {
    BlockBits bits;
#if defined(__SSE2__)
    if (bytes.size() - block > 64) {   // the last LF looked at may be the 65th byte
        const auto* data = reinterpret_cast<const __m128i*>(bytes.data() + block);
        const auto* nextBytes = reinterpret_cast<const __m128i*>(bytes.data() + block + 1);
        for (size_t part = 0; part < 4; ++part) {
            const __m128i chunk = _mm_loadu_si128(data + part);
            const __m128i quotes = _mm_cmpeq_epi8(chunk, _mm_set1_epi8(kQuote));
            const __m128i lineEnds = _mm_and_si128(_mm_cmpeq_epi8(chunk, _mm_set1_epi8('\r')),
                                                   _mm_cmpeq_epi8(_mm_loadu_si128(nextBytes + part), _mm_set1_epi8('\n')));
            bits.quotes |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(quotes))} << (16 * part);
            bits.lineEnds |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(lineEnds))} << (16 * part);
        }
        return bits;
    }
#endif
    for (size_t k = 0; k < 64 && block + k < bytes.size(); ++k) {
        bits.quotes |= std::uint64_t{bytes[block + k] == kQuote} << k;
        bits.lineEnds |= std::uint64_t{bytes.substr(block + k, 2) == "\r\n"} << k;
    }
    return bits;
}

// Bit k is the parity of bits 0..k: set from an opening quote up to its closing one.
std::uint64_t PrefixParity(std::uint64_t bits) {
    for (int shift = 1; shift < 64; shift *= 2) bits ^= bits << shift;
    return bits;
}

size_t HighestBit(std::uint64_t bits) { return static_cast<size_t>(63 - __builtin_clzll(bits)); }

// Without a popcount instruction in the target, the builtin would be a call per block.
size_t CountBits(std::uint64_t bits) {
    bits -= (bits >> 1) & 0x5555555555555555u;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<size_t>((bits * 0x0101010101010101u) >> 56);
}

// The bits of `bits` from the lowest up to its n-th set bit (n >= 1), which must exist.
std::uint64_t UpToNthBit(std::uint64_t bits, size_t n) {
    std::uint64_t rest = bits;
    for (size_t i = 1; i < n; ++i) rest &= rest - 1;
    const std::uint64_t nth = rest & (~rest + 1);
    return bits & (nth | (nth - 1));
}

}  // namespace

size_t ReadSavedRecords(std::string_view bytes, size_t start, size_t fieldCount, size_t count,
                        std::vector<Record>& records) {
    const size_t quotesPerRecord = 2 * fieldCount;
    const size_t wanted = quotesPerRecord * count;
    size_t seen = 0;                  // quotes in the blocks before
    size_t nextRecord = 0;            // the number of the next record's first quote
    size_t recordStart = start;
    std::uint64_t inside = 0;         // all ones when the block before ended inside a field
    std::uint64_t closesBefore = 0;   // the closing quotes of the block before
    for (size_t block = start; block < bytes.size(); block += 64) {
        const BlockBits bits = BitsAt(bytes, block);
        std::uint64_t quotes = bits.quotes;
        const size_t here = CountBits(quotes);
        const bool last = seen + here >= wanted;
        if (last) quotes = UpToNthBit(quotes, wanted - seen);
        const std::uint64_t parity = PrefixParity(quotes) ^ inside;
        const std::uint64_t opens = quotes & parity;
        const std::uint64_t closes = quotes & ~parity;
        const auto after = [&](int distance) { return (closes << distance) | (closesBefore >> (64 - distance)); };
        std::uint64_t expectedOpens = after(3);
        if (last) expectedOpens &= ~std::uint64_t{0} >> (63 - HighestBit(quotes));   // none after the last
        if (block == start) expectedOpens |= 1;
        if ((after(1) & ~bits.lineEnds) | (opens ^ expectedOpens)) return 0;
        for (; nextRecord < std::min(seen + here, wanted); nextRecord += quotesPerRecord) {
            const size_t at = block + HighestBit(UpToNthBit(quotes, nextRecord - seen + 1));
            if (nextRecord > 0) records.push_back(Record::ViewOf(bytes.substr(recordStart, at - recordStart), fieldCount));
            recordStart = at;
        }
        if (last) {
            const size_t end = block + HighestBit(quotes) + 3;   // past the closing quote, CR and LF
            if (end > bytes.size() || bytes.substr(end - 2, 2) != "\r\n") return 0;
            records.push_back(Record::ViewOf(bytes.substr(recordStart, end - recordStart), fieldCount));
            return end;
        }
        inside = parity >> 63 ? ~std::uint64_t{0} : 0;
        closesBefore = closes;
        seen += here;
    }
    return 0;
}

}  // namespace papyrka
