#include "viewer/find_byte.h"

#include "viewer/vector_bytes.h"

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
