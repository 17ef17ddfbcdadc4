#include "settings/unicode_file.h"

#include <cstring>

#include "platform/lead_bytes.h"
#include "platform/profile_text.h"
#include "platform/saved_text.h"
#include "platform/windows_api.h"

namespace {

// The file's bytes; false when the file is missing, unreadable or larger than the capacity.
struct FileBytes {
    char Bytes[UnicodeFileCapacity + 1];
    size_t Length;
};

bool ReadWhole(const char *path, FileBytes &file) {
    HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    // One byte more than the capacity tells a file that is too large.
    const DWORD room = UnicodeFileCapacity + 1;
    file.Length = 0;
    DWORD got = 0;
    bool read = true;
    while (read && file.Length < room) {
        read = ReadFile(handle, file.Bytes + file.Length, room - static_cast<DWORD>(file.Length),
                        &got, nullptr) != FALSE;
        if (got == 0) {
            break;
        }
        file.Length += got;
    }
    CloseHandle(handle);
    return read && file.Length <= UnicodeFileCapacity;
}

void FromUtf16(const FileBytes &file, SettingsEncoding encoding, UnicodeSettingsText &text) {
    WCHAR wide[UnicodeFileCapacity / 2];
    const size_t units =
        WideOfSavedText(file.Bytes, file.Length, encoding, wide, UnicodeFileCapacity / 2);
    const int made =
        units == 0 ? 0
                   : WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(units), text.Text,
                                         static_cast<int>(sizeof text.Text), nullptr, nullptr);
    text.Length = static_cast<size_t>(made);
}

void FromUtf8(const char *bytes, size_t length, UnicodeSettingsText &text) {
    std::memcpy(text.Text, bytes, length);
    text.Length = length;
}

bool IsAscii(const char *text, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) {
            return false;
        }
    }
    return true;
}

// The bytes of the first `characters` characters of UTF-8 text, or of all of it.
size_t Utf8Prefix(const char *text, size_t length, size_t characters) {
    size_t at = 0;
    for (size_t counted = 0; at < length && counted < characters; ++counted) {
        bool wellFormed = false;
        at += Utf8SequenceLength(text + at, length - at, wellFormed);
    }
    return at;
}

// The bytes of ANSI text that fit `room` without cutting a double-byte character.
size_t WholeCharacters(const char *text, size_t length, size_t room) {
    size_t kept = 0;
    while (kept < length) {
        const size_t step = IsLeadByte(text[kept]) && kept + 1 < length ? 2 : 1;
        if (kept + step > room) {
            break;
        }
        kept += step;
    }
    return kept;
}

// UTF-8 text in the code page, cut as a value is cut; false when the code page lacks one of its
// characters or the text is not well-formed.
bool ToCodePage(const char *utf8, size_t length, char *value) {
    // Each character takes at least one byte in the code page: no more of them can fit a value.
    const size_t most = SettingsValueSize - 1;
    const size_t prefix = Utf8Prefix(utf8, length, most);
    if (FirstCharacterBeyondCodePage(utf8, prefix) >= 0) {
        return false;
    }
    WCHAR wide[2 * SettingsValueSize];
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8, static_cast<int>(prefix), wide,
                                          2 * SettingsValueSize);
    char ansi[4 * SettingsValueSize];
    const int bytes = units == 0 ? 0
                                 : WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units,
                                                       ansi, sizeof ansi, nullptr, nullptr);
    const size_t kept = WholeCharacters(ansi, static_cast<size_t>(bytes), most);
    std::memcpy(value, ansi, kept);
    value[kept] = '\0';
    return true;
}

} // namespace

void ReadUnicodeText(const char *path, UnicodeSettingsText &text) {
    text.Encoding = SettingsEncoding::Ansi;
    text.Length = 0;
    FileBytes file;
    if (!ReadWhole(path, file)) {
        return;
    }
    // A file saved in the code page cannot pass for UTF-8 in practice. Of all Shift_JIS strings
    // of one to four JIS X 0208 characters, 0, 2.2, 0.26 and 0.088 per cent are well-formed
    // UTF-8, and 0, 0.39, 0.0066 and 0.0016 per cent would also convert back into the code page
    // whole, the only ones read otherwise; no keyword that opens with a full-width mark (lead
    // byte 0x81 to 0x84: ◆, ■, ★, 【) can be, as that byte only ever continues a UTF-8 sequence;
    // and the whole file must be UTF-8, its comments too.
    text.Encoding = SavedEncodingOf(file.Bytes, file.Length, true);
    switch (text.Encoding) {
    case SettingsEncoding::Utf8:
    case SettingsEncoding::Utf8WithMark:
        FromUtf8(file.Bytes + SavedMarkLength(text.Encoding),
                 file.Length - SavedMarkLength(text.Encoding), text);
        break;
    case SettingsEncoding::Utf16LittleEndian:
    case SettingsEncoding::Utf16BigEndian:
        FromUtf16(file, text.Encoding, text);
        break;
    case SettingsEncoding::Ansi:
        break;
    }
}

ValueSource TakeUnicodeValue(const UnicodeSettingsText &text, const char *key, char *value) {
    const char *found = nullptr;
    size_t length = 0;
    if (text.Encoding == SettingsEncoding::Ansi ||
        !FindProfileValue(text.Text, text.Length, SettingsSection, key, found, length) ||
        IsAscii(found, length)) {
        return ValueSource::AsRead;
    }
    return ToCodePage(found, length, value) ? ValueSource::FromUnicode
                                            : ValueSource::BeyondCodePage;
}
