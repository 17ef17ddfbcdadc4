#include "mail/shift_jis.h"

namespace {

// A byte that stands alone where code page 932 holds no character of our reading.
bool IsUnreadableAlone(unsigned char byte) { return byte == 0x80 || byte == 0xA0 || byte >= 0xFD; }

} // namespace

size_t AppendCp932Text(const std::string &cp932, WideText &wide) {
    size_t unreadable = 0;
    size_t runStart = 0;
    const auto flush = [&](size_t end) {
        unreadable += AppendCodePageText(932, SequenceUnit::Cp932,
                                         cp932.substr(runStart, end - runStart), wide);
    };
    for (size_t at = 0; at < cp932.size();) {
        const size_t length =
            CharacterLength(cp932.data() + at, cp932.size() - at, SequenceUnit::Cp932);
        if (length == 1 && IsUnreadableAlone(static_cast<unsigned char>(cp932[at]))) {
            flush(at);
            wide += ReplacementCharacter;
            ++unreadable;
            runStart = at + 1;
        }
        at += length;
    }
    flush(cp932.size());
    return unreadable;
}
