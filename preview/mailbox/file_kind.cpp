#include "preview/mailbox/file_kind.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

namespace {

bool EndsWith(const std::string &name, const char *end) {
    const size_t length = std::strlen(end);
    return name.size() >= length && strcasecmp(name.c_str() + name.size() - length, end) == 0;
}

bool Named(const std::string &name, const char *wanted) {
    const size_t slash = name.find_last_of('/');
    const std::string last = slash == std::string::npos ? name : name.substr(slash + 1);
    return strcasecmp(last.c_str(), wanted) == 0;
}

bool StartsWith(const std::string &start, const char *signature, size_t length, size_t at = 0) {
    return start.size() >= at + length && std::memcmp(start.data() + at, signature, length) == 0;
}

struct Signature {
    const char *Bytes;
    size_t Length;
    size_t At;
    FileKind Kind;
};

FileKind Compressed(Compression with, const char *description) {
    return {FileKindGroup::Compressed, with, description, ""};
}

FileKind Archive(const char *description, const char *advice) {
    return {FileKindGroup::Unreadable, Compression::Gzip, description, advice};
}

FileKind NoMail(const char *description) {
    return {FileKindGroup::NotMessage, Compression::Gzip, description, ""};
}

const Signature Signatures[] = {
    {"\x1F\x8B", 2, 0, Compressed(Compression::Gzip, "gzip-compressed")},
    {"BZh", 3, 0, Compressed(Compression::Bzip2, "bzip2-compressed")},
    {"\xFD"
     "7zXZ\0",
     6, 0, Compressed(Compression::Xz, "xz-compressed")},
    {"\x28\xB5\x2F\xFD", 4, 0,
     Archive("a Zstandard-compressed file", "decompress it (zstd -d) and preview what it holds")},
    {"\x04\x22\x4D\x18", 4, 0,
     Archive("an LZ4-compressed file", "decompress it (lz4 -d) and preview what it holds")},
    {"PK\x03\x04", 4, 0, Archive("a ZIP archive", "unpack it and preview the files in it")},
    {"PK\x05\x06", 4, 0, Archive("an empty ZIP archive", "there is nothing in it to preview")},
    {"7z\xBC\xAF\x27\x1C", 6, 0,
     Archive("a 7-Zip archive", "unpack it and preview the files in it")},
    {"Rar!\x1A\x07", 6, 0, Archive("a RAR archive", "unpack it and preview the files in it")},
    {"ustar", 5, 257, Archive("a tar archive", "unpack it (tar -xf) and preview the files in it")},
    {"\x89PNG", 4, 0, NoMail("a PNG picture")},
    {"\xFF\xD8\xFF", 3, 0, NoMail("a JPEG picture")},
    {"GIF8", 4, 0, NoMail("a GIF picture")},
    {"%PDF-", 5, 0, NoMail("a PDF document")},
    {"bplist00", 8, 0, NoMail("a property list")},
    {"// <!-- <mdb:mork", 17, 0, NoMail("a Thunderbird index, .msf")},
};

// Outlook's IMessage, the class of a .msg file's root storage.
constexpr char OutlookMessageClass[] = "\x0B\x0D\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00"
                                       "\x00\x00\x00\x46";

// The names Outlook gives the streams and storages of a message.
constexpr const char *OutlookEntries[] = {"__substg1.0_", "__properties_version1.0",
                                          "__nameid_version1.0", "__recip_version1.0_",
                                          "__attach_version1.0_"};

unsigned Little(const std::string &bytes, size_t at, size_t size) {
    unsigned value = 0;
    for (size_t i = size; i-- > 0;) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// The name of a directory entry of 128 bytes, its UTF-16 narrowed to ASCII.
std::string EntryName(const std::string &entry) {
    const unsigned length = std::min(Little(entry, 0x40, 2), 64u);
    std::string name;
    for (unsigned i = 0; i + 1 < length; i += 2) {
        name += static_cast<char>(entry[i]);
    }
    return name;
}

bool IsOutlookEntry(const std::string &entry) {
    if (entry.compare(0x50, 16, OutlookMessageClass, 16) == 0) {
        return true;
    }
    const std::string name = EntryName(entry);
    for (const char *outlook : OutlookEntries) {
        if (name.rfind(outlook, 0) == 0) {
            return true;
        }
    }
    return false;
}

FileKind OutlookMessage() {
    return Archive("an Outlook message (.msg), which is not MIME mail",
                   "save the mail from the client as .eml (or, in Outlook, as \"Text Only\" "
                   "with File > Save As) and preview that");
}

// Outlook keeps a message in a compound file of its own, as Office keeps documents and Windows
// its thumbnails: its first directory sector tells which.
FileKind CompoundFileKind(const std::string &name, const std::string &start) {
    const size_t at = std::min(CompoundDirectoryAt(start), start.size());
    const std::string directory = start.substr(at, 512);
    for (size_t entry = 0; entry + 128 <= directory.size(); entry += 128) {
        if (IsOutlookEntry(directory.substr(entry, 128))) {
            return OutlookMessage();
        }
    }
    if (EndsWith(name, ".msg")) {
        return OutlookMessage();
    }
    if (Named(name, "Thumbs.db")) {
        return NoMail("a Windows thumbnail cache, Thumbs.db");
    }
    return NoMail("an Office compound file");
}

} // namespace

bool IsCompoundFile(const std::string &start) {
    return StartsWith(start, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
}

size_t CompoundDirectoryAt(const std::string &start) {
    if (start.size() < 0x34) {
        return start.size();
    }
    const unsigned shift = Little(start, 0x1E, 2);
    const unsigned sector = Little(start, 0x30, 4);
    if ((shift != 9 && shift != 12) || sector >= MostCompoundSectors) {
        return start.size();
    }
    return (size_t{sector} + 1) << shift;
}

FileKind KindOfFile(const std::string &name, const std::string &start) {
    if (EndsWith(name, ".emlxpart")) {
        return NoMail("a part of an Apple Mail message, kept apart from it in an .emlxpart file");
    }
    if (IsCompoundFile(start)) {
        return CompoundFileKind(name, start);
    }
    for (const Signature &signature : Signatures) {
        if (StartsWith(start, signature.Bytes, signature.Length, signature.At)) {
            return signature.Kind;
        }
    }
    if (Named(name, "desktop.ini")) {
        return NoMail("Windows' settings for the folder, desktop.ini");
    }
    if (Named(name, "table_of_contents")) {
        return NoMail("the index of an exported Apple Mail mailbox");
    }
    if (EndsWith(name, ".msf")) {
        return NoMail("a Thunderbird index, .msf");
    }
    return {FileKindGroup::Mail, Compression::Gzip, "", ""};
}
