#include "diagnosis/text_lines.h"

#include <algorithm>
#include <cstring>

#include "platform/lead_bytes.h"

namespace {

WideText WideOfBytes(UINT codePage, const char *bytes, size_t length) {
    const int size = static_cast<int>(length);
    const int units = size == 0 ? 0 : MultiByteToWideChar(codePage, 0, bytes, size, nullptr, 0);
    WideText wide(static_cast<size_t>(units > 0 ? units : 0), 0);
    if (units > 0) {
        MultiByteToWideChar(codePage, 0, bytes, size, &wide[0], units);
    }
    return wide;
}

// The line's characters, each with its first byte. The whole line is converted at once when it
// gives a unit a character, as the code pages of Windows do; else a character at a time.
void ReadCharacters(const std::string &text, TextLine &line) {
    std::vector<size_t> starts;
    for (size_t at = line.Start; at < line.End;) {
        starts.push_back(at);
        at += IsLeadByte(text[at]) && at + 1 < line.End ? 2 : 1;
    }
    starts.push_back(line.End);
    line.Characters = WideOfBytes(CP_ACP, text.data() + line.Start, line.End - line.Start);
    if (line.Characters.size() + 1 == starts.size()) {
        line.Bytes = std::move(starts);
        return;
    }
    line.Characters.clear();
    for (size_t i = 0; i + 1 < starts.size(); ++i) {
        for (const WCHAR unit :
             WideOfBytes(CP_ACP, text.data() + starts[i], starts[i + 1] - starts[i])) {
            line.Characters += unit;
            line.Bytes.push_back(starts[i]);
        }
    }
    line.Bytes.push_back(line.End);
}

} // namespace

WideText WideOf(UINT codePage, const std::string &text) {
    return WideOfBytes(codePage, text.data(), text.size());
}

std::string TextOf(UINT codePage, const WideText &wide, DWORD flags, const char *substitute) {
    const int units = static_cast<int>(wide.size());
    const int bytes = units == 0 ? 0
                                 : WideCharToMultiByte(codePage, flags, wide.data(), units, nullptr,
                                                       0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(codePage, flags, wide.data(), units, &text[0], bytes, substitute,
                            nullptr);
    }
    return text;
}

std::vector<TextLine> LinesOf(const std::string &text) {
    const size_t length = std::strlen(text.c_str());
    std::vector<TextLine> lines;
    for (size_t start = 0; start <= length;) {
        const size_t feed = text.find('\n', start);
        const size_t next = feed == std::string::npos || feed >= length ? length : feed;
        size_t end = next;
        if (end > start && text[end - 1] == '\r') {
            --end;
        }
        if (start == length && !lines.empty()) {
            break;
        }
        TextLine line{start, end, {}, {}};
        ReadCharacters(text, line);
        lines.push_back(std::move(line));
        start = next + 1;
    }
    return lines;
}

size_t LineAt(const std::vector<TextLine> &lines, size_t at) {
    const auto after =
        std::upper_bound(lines.begin(), lines.end(), at,
                         [](size_t byte, const TextLine &line) { return byte < line.Start; });
    return static_cast<size_t>(after - lines.begin());
}

WideText WideOfAnsi(const std::string &ansi) { return WideOf(CP_ACP, ansi); }

std::string AnsiOfWide(const WideText &wide) { return TextOf(CP_ACP, wide); }

std::string Utf8OfWide(const WideText &wide) { return TextOf(CP_UTF8, wide); }
