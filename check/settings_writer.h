#pragma once
// The settings file written by /setup, losing nothing: the new text is written beside the file
// first, the old file kept as dovrink.ini.bak (or .bak2, .bak3, ... where that is taken), and
// only then the new one put in its place. Where the plugins folder cannot be written (one under
// Program Files), the file goes to the folder given instead.
#include <string>

enum class SettingsWritten : unsigned char {
    InPlace,   // at the path asked
    Elsewhere, // in the other folder: the reader copies it into place
    Not,       // nowhere
};

struct WrittenFile {
    SettingsWritten Where;
    std::string Path;   // where it was written (in the code page)
    std::string Backup; // where the old file is kept; empty when there was none
};

// Writes the text (in the code page) to `path`, or else as dovrink.ini in `otherFolder`; both
// paths in the code page.
WrittenFile WriteSettingsFile(const std::string &path, const std::string &otherFolder,
                              const std::string &text);
