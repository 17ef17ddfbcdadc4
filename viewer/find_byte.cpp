#include "viewer/find_byte.h"

#include "viewer/bit_mask.h"
#include "viewer/scan_kernels.h"

size_t FindByte(const char *text, size_t length, char byte) {
    return Kernels->FindByte(text, length, byte);
}

const char *ByteScanner::Next(const char *from) {
    for (;;) {
        if (Window != End && from >= Window && from < Window + BlockSize) {
            const std::uint64_t ahead = Bits & ~BitsBelow(from - Window);
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
        Bits = Kernels->ByteBits(from, Byte);
    }
}
