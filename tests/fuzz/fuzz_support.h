#pragma once
// What the fuzz targets share: a code page chosen by the input, text in heap blocks of its exact
// size (so that the sanitizer sees a read past it), and a check that stops the run on a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/lead_bytes.h"
#include "platform/posix/environment.h"
#include "viewer/scan/scan_kernels.h"

// A finding: libFuzzer keeps the input that led here.
inline void Check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

// The baseline kernels, or the widest this processor runs, as `wide` says.
inline void UseKernels(bool wide) {
    if (!wide || !UseScanKernels("avx2")) {
        UseScanKernels("sse2");
    }
}

// Shift_JIS, a double-byte code page with lead bytes up to 0xFE, or a single-byte one; and the
// kernels of either width.
inline void UseFuzzedCodePage(FuzzedDataProvider &input) {
    static const char *const CodePages[] = {"932", "936", "1252"};
    const int choice = input.ConsumeIntegralInRange<int>(0, 5);
    setenv(CodePageVariable, CodePages[choice % 3], 1);
    LoadLeadBytes();
    UseKernels(choice >= 3);
}

// A string without NULs, as a C string holds it.
inline std::string TextFrom(std::string bytes) {
    bytes.resize(std::strlen(bytes.c_str()));
    return bytes;
}

// The text and its terminator in a heap block of their size.
class ExactCopy {
  public:
    explicit ExactCopy(const std::string &text)
        : Bytes(static_cast<char *>(std::malloc(text.size() + 1))) {
        std::memcpy(Bytes, text.c_str(), text.size() + 1);
    }
    ~ExactCopy() { std::free(Bytes); }
    ExactCopy(const ExactCopy &) = delete;
    ExactCopy &operator=(const ExactCopy &) = delete;
    char *Bytes;
};

// The offset of a match in `text`, or -1.
inline long OffsetIn(const char *text, const char *match) {
    return match == nullptr ? -1 : static_cast<long>(match - text);
}
