// FindText, FindPlainText and FindEachText against the literal walk.
#include "fuzz_support.h"
#include "literal_viewer.h"
#include "viewer/search/find_each.h"
#include "viewer/search/find_text.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    FuzzedDataProvider input(data, size);
    UseFuzzedCodePage(input);
    std::string patterns[MaxPatterns];
    const char *pointers[MaxPatterns];
    const size_t count = input.ConsumeIntegralInRange<size_t>(1, MaxPatterns);
    for (size_t k = 0; k < count; ++k) {
        patterns[k] = TextFrom(input.ConsumeRandomLengthString(16));
        pointers[k] = patterns[k].c_str();
    }
    const std::string text = TextFrom(input.ConsumeRemainingBytesAsString());
    const ExactCopy copy(text);
    for (size_t k = 0; k < count; ++k) {
        const long literal = OffsetIn(text.c_str(), LiteralFindText(text.c_str(), pointers[k]));
        Check(OffsetIn(copy.Bytes, FindText(copy.Bytes, text.size(), pointers[k])) == literal);
    }
    const char *found[MaxPatterns];
    Check(FindEachText(copy.Bytes, text.size() + 1, pointers, count, found) == text.size());
    for (size_t k = 0; k < count; ++k) {
        Check(OffsetIn(copy.Bytes, found[k]) ==
              OffsetIn(text.c_str(), LiteralFindText(text.c_str(), pointers[k])));
    }
    // The plain search is the literal one in a single-byte code page.
    if (!IsDoubleByteCodePage()) {
        Check(OffsetIn(copy.Bytes, FindPlainText(copy.Bytes, text.size(), pointers[0])) ==
              OffsetIn(text.c_str(), LiteralFindText(text.c_str(), pointers[0])));
    }
    return 0;
}
