#pragma once
// The ANSI code page's lead bytes, taken once when the library loads.

// True at every byte that starts a double-byte character; all false in a single-byte code page.
extern bool LeadBytes[256];

void LoadLeadBytes();

// True when the code page has double-byte characters.
bool IsDoubleByteCodePage();

inline bool IsLeadByte(char byte) { return LeadBytes[static_cast<unsigned char>(byte)]; }
