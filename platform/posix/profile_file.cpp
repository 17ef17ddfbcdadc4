#include "platform/posix/profile_file.h"

#include <cstdio>

#include "platform/posix/regular_file.h"
#include "platform/posix/windows_api.h"
#include "platform/text_encoding.h"

namespace {

std::u16string Utf16Of(const std::string &bytes, size_t from, bool bigEndian) {
    std::u16string wide;
    for (size_t i = from; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        wide += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return wide;
}

std::u16string Decoded(UINT codePage, const std::string &bytes, size_t from) {
    const char *text = bytes.data() + from;
    const auto length = static_cast<int>(bytes.size() - from);
    std::u16string wide(static_cast<size_t>(length), u'\0');
    const int made =
        length == 0 ? 0 : MultiByteToWideChar(codePage, 0, text, length, wide.data(), length);
    wide.resize(static_cast<size_t>(made));
    return wide;
}

std::string Encoded(UINT codePage, const std::u16string &wide) {
    if (wide.empty()) {
        return {};
    }
    const auto length = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

} // namespace

bool ReadFileBytes(const std::string &posixPath, std::string &bytes) {
    bool special = false;
    FILE *stream = OpenRegularFile(posixPath, special);
    if (stream == nullptr) {
        return false;
    }
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0) {
        bytes.append(chunk, got);
    }
    const bool whole = !std::ferror(stream);
    std::fclose(stream);
    return whole;
}

bool ReadProfileText(const std::string &posixPath, std::string &utf8) {
    std::string bytes;
    if (!ReadFileBytes(posixPath, bytes)) {
        return false;
    }
    const ByteOrderMark mark = ByteOrderMarkOf(bytes.data(), bytes.size());
    const size_t from = MarkLength(mark);
    std::u16string wide;
    switch (mark) {
    case ByteOrderMark::Utf16LittleEndian:
    case ByteOrderMark::Utf16BigEndian:
        wide = Utf16Of(bytes, from, mark == ByteOrderMark::Utf16BigEndian);
        break;
    case ByteOrderMark::Utf8:
        wide = Decoded(CP_UTF8, bytes, from);
        break;
    case ByteOrderMark::None:
        wide = Decoded(CP_ACP, bytes, from);
        break;
    }
    utf8 = Encoded(CP_UTF8, wide);
    return true;
}

std::string ProfileValueInAnsi(const std::string &utf8) {
    return Encoded(CP_ACP, Decoded(CP_UTF8, utf8, 0));
}
