#include "platform/posix/text_conversion.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <utility>

#include "platform/text_encoding.h"

namespace {

constexpr size_t PieceSize = 1024;
constexpr size_t MeasuredAbove = 1 << 20;

// The converters opened so far, one for each pair of charsets. glibc loads a converter's module on
// every iconv_open and drops it on iconv_close, a dozen system calls each time: converters stay
// open for the life of the thread (a converter holds state, so threads never share one).
class OpenConverters {
  public:
    OpenConverters() = default;
    OpenConverters(const OpenConverters &) = delete;
    OpenConverters &operator=(const OpenConverters &) = delete;
    ~OpenConverters() {
        for (const auto &entry : Open) {
            iconv_close(entry.second);
        }
    }

    // A converter from `from` to `to` in its initial state, or (iconv_t)-1.
    iconv_t For(const char *from, const char *to) {
        const auto key = std::make_pair(std::string(from), std::string(to));
        const auto found = Open.find(key);
        if (found != Open.end()) {
            iconv(found->second, nullptr, nullptr, nullptr, nullptr);
            return found->second;
        }
        const iconv_t converter = iconv_open(to, from);
        if (converter != reinterpret_cast<iconv_t>(-1)) {
            Open.emplace(key, converter);
        }
        return converter;
    }

  private:
    std::map<std::pair<std::string, std::string>, iconv_t> Open;
};

// Runs the conversion, handing each converted piece to `take`.
template <typename Take>
void Convert(iconv_t converter, const std::string &text, SequenceUnit unit, const char *replacement,
             Take take, size_t &replaced) {
    char *in = const_cast<char *>(text.data());
    size_t inLeft = text.size();
    char chunk[4096];
    while (inLeft > 0) {
        // glibc reads ahead as far as it is given before it meets an unreadable character, and
        // again after it: pieces of bounded size keep a text full of them linear.
        const size_t given = std::min(inLeft, PieceSize);
        size_t pieceLeft = given;
        char *written = chunk;
        size_t room = sizeof chunk;
        const size_t result = iconv(converter, &in, &pieceLeft, &written, &room);
        const int failure = errno;
        const size_t consumed = given - pieceLeft;
        const bool wholeRest = given == inLeft;
        inLeft -= consumed;
        take(chunk, static_cast<size_t>(written - chunk));
        // A character cut at the piece's end is read whole with the next piece.
        const bool cut = failure == EINVAL && !wholeRest && consumed > 0;
        if (result == static_cast<size_t>(-1) && failure != E2BIG && !cut) {
            const size_t skip = CharacterLength(in, inLeft, unit);
            in += skip;
            inLeft -= skip;
            take(replacement, std::strlen(replacement));
            ++replaced;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    char *written = chunk;
    size_t room = sizeof chunk;
    iconv(converter, nullptr, nullptr, &written, &room);
    take(chunk, static_cast<size_t>(written - chunk));
}

} // namespace

iconv_t OpenConverter(const char *from, const char *to) {
    thread_local OpenConverters converters;
    return converters.For(from, to);
}

bool ConvertText(const std::string &text, const char *from, const char *to, SequenceUnit unit,
                 const char *replacement, std::string &out, size_t &replaced) {
    iconv_t converter = OpenConverter(from, to);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    // A large text is measured first, so that its result is allocated once at its size: grown
    // piece by piece it would be held twice over while it moves.
    if (text.size() > MeasuredAbove) {
        size_t length = 0;
        size_t ignored = 0;
        Convert(
            converter, text, unit, replacement, [&length](const char *, size_t n) { length += n; },
            ignored);
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        out.reserve(out.size() + length);
    }
    Convert(
        converter, text, unit, replacement,
        [&out](const char *piece, size_t n) { out.append(piece, n); }, replaced);
    return true;
}
