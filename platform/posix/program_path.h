#pragma once
// The running program's own file, as the system names it: shared by the GetModuleFileNameA
// stand-in and the preview, which finds its plugin library beside itself.
#include <string>

// The absolute POSIX path of the program; empty when the system does not say.
std::string ProgramPath();
