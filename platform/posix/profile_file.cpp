#include "platform/posix/profile_file.h"

#include <cstdio>

#include "platform/posix/regular_file.h"
#include "platform/posix/windows_api.h"
#include "platform/saved_text.h"

namespace {

std::u16string Decoded(UINT codePage, const std::string &bytes) {
    const auto length = static_cast<int>(bytes.size());
    std::u16string wide(bytes.size(), u'\0');
    const int made =
        length == 0 ? 0
                    : MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), length);
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
    // Windows knows a Unicode file by its byte-order mark alone.
    const SavedEncoding encoding = SavedEncodingOf(bytes.data(), bytes.size(), false);
    std::u16string wide(bytes.size(), u'\0');
    wide.resize(WideOfSavedText(bytes.data(), bytes.size(), encoding, wide.data(), wide.size()));
    utf8 = Encoded(CP_UTF8, wide);
    return true;
}

std::string ProfileValueInAnsi(const std::string &utf8) {
    return Encoded(CP_ACP, Decoded(CP_UTF8, utf8));
}
