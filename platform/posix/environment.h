#pragma once
// What the POSIX stand-ins take from the process environment, where Windows has system settings.
// The stand-in host sets these before it loads the plugin.

// The ANSI code page, as a number such as 932 or 1252 (default 1252).
constexpr const char *CodePageVariable = "DOVRINK_CODEPAGE";

// The folder that plays the host executable's own folder (default: the program's folder).
constexpr const char *HostDirVariable = "DOVRINK_HOST_DIR";

// Answers for the message boxes, in order, such as "ok,cancel" (then OK for every other box).
constexpr const char *AnswersVariable = "DOVRINK_ANSWERS";
