#pragma once
// The text of a settings file searched with Windows' rules, as Wine reproduces them: lines at CR
// or LF; blanks trimmed around lines, names and values; "[name]" opens a section; "name=value"
// is an entry. Names compare without regard to ASCII case, and only the first section and the
// first entry of a name count. The text is UTF-8 (or any text whose bytes below 0x80 are ASCII
// characters); nothing is allocated.
#include <cstddef>

struct ProfileEntry {
    const char *Name;
    size_t NameLength;
    const char *Value;
    size_t ValueLength;
    bool HasValue; // false for a line without "="
};

// The entries of one section, from the next one on.
struct ProfileEntries {
    const char *Next;
    const char *End;
};

// The entries of the first section of that name (blanks around it ignored); the lines before
// any section header make the section without a name. False when there is none.
bool FindProfileSection(const char *text, size_t length, const char *section,
                        ProfileEntries &entries);

// The next entry of the section; false at its end.
bool NextProfileEntry(ProfileEntries &entries, ProfileEntry &entry);

// The first entry of that name in the first section of that name; false when there is none.
bool FindProfileEntry(const char *text, size_t length, const char *section, const char *key,
                      ProfileEntry &entry);

// A value as it stands after "=" on its line, as a program that reads it whole gets it: blanks
// trimmed, and a value in matching single or double quotes without them.
void TakeProfileValue(const char *&value, size_t &valueLength);

// The value of the first entry of that name in the first section of that name, as a program that
// reads it whole gets it: a value in matching single or double quotes loses them. False when
// there is no such entry, or it has no "=".
bool FindProfileValue(const char *text, size_t length, const char *section, const char *key,
                      const char *&value, size_t &valueLength);
