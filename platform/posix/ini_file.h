#pragma once
// A settings file read with Windows' rules, as Wine reproduces them: the profile stand-ins'
// reader, which the preview's settings report reads files with too.
#include <string>
#include <vector>

struct IniEntry {
    std::string Name;
    std::string Value;
    bool HasValue; // false for a line without "="
};

struct IniSection {
    std::string Name;
    std::vector<IniEntry> Entries;
};

// Sections in file order. The first, nameless one holds the lines before any section header.
using IniFile = std::vector<IniSection>;

IniFile ParseIniText(const std::string &text);

// False when the file cannot be read.
bool ReadIniFile(const std::string &posixPath, IniFile &file);

// The first section of that name (not compared by case, blanks around it ignored); null when
// there is none.
const IniSection *FindIniSection(const IniFile &file, const char *section);

// The first entry of that name in the first section of that name (neither compared by case,
// blanks around them ignored); null when there is none.
const IniEntry *FindIniEntry(const IniFile &file, const char *section, const char *key);
