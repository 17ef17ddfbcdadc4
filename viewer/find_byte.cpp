#include "viewer/find_byte.h"

#include "viewer/vector_bytes.h"

namespace {

std::uint64_t Matches(const char *window, __m128i wanted) {
    std::uint64_t bits = 0;
    for (size_t part = 0; part < BlockSize / VectorSize; ++part) {
        const __m128i bytes = LoadBytes(window + part * VectorSize);
        bits |= static_cast<std::uint64_t>(BitsOf(_mm_cmpeq_epi8(bytes, wanted)))
                << (part * VectorSize);
    }
    return bits;
}

} // namespace

size_t FindByte(const char *text, size_t length, char byte) {
    const __m128i wanted = Broadcast(byte);
    size_t i = 0;
    for (; i + VectorSize <= length; i += VectorSize) {
        const std::uint32_t bits = BitsOf(_mm_cmpeq_epi8(LoadBytes(text + i), wanted));
        if (bits != 0) {
            return i + static_cast<size_t>(LowestBit(bits));
        }
    }
    while (i < length && text[i] != byte) {
        ++i;
    }
    return i;
}

const char *ByteScanner::Next(const char *from) {
    for (;;) {
        if (Window != End && from >= Window && from < Window + BlockSize) {
            const std::uint64_t ahead = Bits & (~std::uint64_t{0} << (from - Window));
            if (ahead != 0) {
                return Window + LowestBit(ahead);
            }
            from = Window + BlockSize;
        }
        // The last bytes, too few for a window that stays inside the text, one by one.
        if (static_cast<size_t>(End - from) < BlockSize) {
            while (from < End && *from != Byte) {
                ++from;
            }
            return from;
        }
        Window = from;
        Bits = Matches(from, Broadcast(Byte));
    }
}
