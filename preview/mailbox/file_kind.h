#pragma once
// What a file is, told by its first bytes (and, where the bytes cannot tell, by its name): mail,
// a mailbox, a compressed file, or something that is no mail at all.
#include <string>

#include "preview/mailbox/byte_source.h"

enum class FileKindGroup {
    Mail,       // a message, a mailbox or a body: read
    Compressed, // read as what it holds
    Unreadable, // mail perhaps, in a form the tool does not read: the run fails
    NotMessage, // no mail at all: passed over
};

struct FileKind {
    FileKindGroup Group;
    Compression With;        // for Compressed
    std::string Description; // for the reader: "a ZIP archive", "a PNG picture"
    std::string Advice;      // for Unreadable: what to do instead
};

// The bytes a file's kind is told by: enough for every signature below.
constexpr size_t KindBytes = 512;

// A compound file (Office's, Outlook's .msg) has its first directory sector where its header says;
// the kind is told by that sector too, which lies within the first MostCompoundSectors sectors.
constexpr unsigned MostCompoundSectors = 16384;
bool IsCompoundFile(const std::string &start);
// Where the directory of the compound file that starts with `start` begins (its size when the
// header says nothing usable).
size_t CompoundDirectoryAt(const std::string &start);

// The kind of the file named `name` (its last part is enough) that starts with `start`: its first
// KindBytes, and for a compound file up to the end of its first directory sector.
FileKind KindOfFile(const std::string &name, const std::string &start);
