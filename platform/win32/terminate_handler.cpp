// The C++ runtime's default terminate handler prints the active exception's type, demangled, to
// the standard error stream, which a mail client's window process does not have; it pulls in the
// demangler, a fifth of the DLL. No exception leaves the plugin's entry points, so terminate
// cannot be reached in practice; should it be, the process ends at once, as it would after the
// message anyway.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx
