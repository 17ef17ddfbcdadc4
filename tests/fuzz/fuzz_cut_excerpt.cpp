// CutExcerpt: the distance and the bytes that the rules give, found with the literal walk.
#include <cstdint>

#include "fuzz_support.h"
#include "literal_viewer.h"
#include "viewer/sections.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    FuzzedDataProvider input(data, size);
    UseFuzzedCodePage(input);
    const std::string separator = "\n" + TextFrom(input.ConsumeRandomLengthString(12));
    const std::string keyword = TextFrom(input.ConsumeRandomLengthString(12));
    const std::string body = TextFrom(input.ConsumeRemainingBytesAsString());
    const ExactCopy copy(body);

    const std::int32_t distance =
        CutExcerpt(copy.Bytes, body.size(), keyword.c_str(), separator.c_str(), nullptr);
    const char *start = LiteralFindText(body.c_str(), keyword.c_str());
    const char *end = start == nullptr ? nullptr : LiteralFindText(start, separator.c_str());
    Check(distance == (end == nullptr ? 0 : end - start));
    if (distance <= 0) {
        return 0;
    }
    auto *out = static_cast<char *>(std::malloc(static_cast<size_t>(distance)));
    Check(CutExcerpt(copy.Bytes, body.size(), keyword.c_str(), separator.c_str(), out) == distance);
    Check(std::memcmp(out, start, static_cast<size_t>(distance - 1)) == 0);
    Check(out[distance - 1] == '\0');
    std::free(out);
    return 0;
}
