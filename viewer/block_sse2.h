#pragma once
// 64 bytes as four 16-byte SSE2 vectors: the baseline of every processor the plugin runs on (the
// 32-bit DLL is built for it too).
#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

namespace sse2 {

// The set bits of `bits`: the baseline has no instruction for it.
inline int CountBits(std::uint64_t bits) {
    bits -= (bits >> 1) & 0x5555555555555555ULL;
    bits = (bits & 0x3333333333333333ULL) + ((bits >> 2) & 0x3333333333333333ULL);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((bits * 0x0101010101010101ULL) >> 56);
}

struct Block {
    __m128i Part[4];

    static Block Load(const char *at) {
        Block block;
        for (int i = 0; i < 4; ++i) {
            block.Part[i] = _mm_loadu_si128(
                reinterpret_cast<const __m128i *>(at + 16 * static_cast<std::ptrdiff_t>(i)));
        }
        return block;
    }

    static Block Splat(char byte) {
        const __m128i part = _mm_set1_epi8(byte);
        return {{part, part, part, part}};
    }

    // The two bytes of `pair`, low byte first, in every 16-bit lane.
    static Block SplatPair(std::uint16_t pair) {
        const __m128i part = _mm_set1_epi16(static_cast<short>(pair));
        return {{part, part, part, part}};
    }

    Block operator&(const Block &other) const {
        Block result;
        for (int i = 0; i < 4; ++i) {
            result.Part[i] = _mm_and_si128(Part[i], other.Part[i]);
        }
        return result;
    }

    Block operator|(const Block &other) const {
        Block result;
        for (int i = 0; i < 4; ++i) {
            result.Part[i] = _mm_or_si128(Part[i], other.Part[i]);
        }
        return result;
    }

    // All ones in each byte equal to the other block's.
    Block Equal(const Block &other) const {
        Block result;
        for (int i = 0; i < 4; ++i) {
            result.Part[i] = _mm_cmpeq_epi8(Part[i], other.Part[i]);
        }
        return result;
    }

    // All ones in both bytes of each 16-bit lane (even offsets) equal to the other block's.
    Block EqualPairs(const Block &other) const {
        Block result;
        for (int i = 0; i < 4; ++i) {
            result.Part[i] = _mm_cmpeq_epi16(Part[i], other.Part[i]);
        }
        return result;
    }

    // All ones in each byte from `first` to `last` inclusive, as unsigned values.
    Block InRange(unsigned char first, unsigned char last) const {
        const __m128i low = _mm_set1_epi8(static_cast<char>(first));
        const __m128i span = _mm_set1_epi8(static_cast<char>(last - first));
        Block result;
        for (int i = 0; i < 4; ++i) {
            const __m128i offset = _mm_sub_epi8(Part[i], low);
            result.Part[i] = _mm_cmpeq_epi8(_mm_min_epu8(offset, span), offset);
        }
        return result;
    }

    // The top bit of each byte, byte i in bit i.
    std::uint64_t Bits() const {
        std::uint64_t bits = 0;
        for (int i = 0; i < 4; ++i) {
            bits |=
                static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(Part[i])))
                << (16 * i);
        }
        return bits;
    }

    bool Any() const {
        const __m128i any =
            _mm_or_si128(_mm_or_si128(Part[0], Part[1]), _mm_or_si128(Part[2], Part[3]));
        return _mm_movemask_epi8(any) != 0;
    }
};

} // namespace sse2
