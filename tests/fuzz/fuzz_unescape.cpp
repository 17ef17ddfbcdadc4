// UnescapeLineBreaks against the rule: every backslash-n pair, left to right, becomes CR LF.
#include "fuzz_support.h"
#include "settings/unescape.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    const std::string text = TextFrom(std::string(reinterpret_cast<const char *>(data), size));
    std::string expected;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            expected += "\r\n";
            ++i;
        } else {
            expected += text[i];
        }
    }
    const ExactCopy copy(text);
    UnescapeLineBreaks(copy.Bytes);
    Check(expected == copy.Bytes);
    return 0;
}
