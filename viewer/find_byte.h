#pragma once
#include <cstddef>
#include <cstdint>

// The index of the first `byte` among the `length` bytes at `text`, or `length` when there is none.
size_t FindByte(const char *text, size_t length, char byte);

// Finds one byte again and again in the text up to `end`, keeping the matches of the last 64
// bytes it loaded, so that finding the next one costs little when they come close together.
class ByteScanner {
  public:
    ByteScanner(const char *end, char byte) : End(end), Byte(byte), Window(end) {}

    // The first of the bytes at or after `from` (not past the end), or the end.
    const char *Next(const char *from);

  private:
    const char *End;
    char Byte;
    const char *Window;     // the 64 bytes last loaded, or the end before any
    std::uint64_t Bits = 0; // bit i set when Window[i] is the byte
};
