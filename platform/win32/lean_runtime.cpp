// What the DLL takes from the static C++ runtime, cut to what the plugin uses. The runtime's
// archives link whole objects: one std::string member pulls in every member of the library's
// string instantiation, and std::length_error pulls in a second, copy-on-write string for its
// message; together about a third of the DLL. None of it changes what the plugin does.
#include <cstdlib>
#include <new>
#include <string>

// The members of std::string that the plugin's code calls, instantiated here rather than taken
// from the runtime's archive, together with all the members the plugin never calls.
template std::string::pointer std::string::_M_create(std::string::size_type &,
                                                     std::string::size_type);
template std::string &std::string::_M_append(const char *, std::string::size_type);
template void std::string::_M_mutate(std::string::size_type, std::string::size_type, const char *,
                                     std::string::size_type);

// The runtime raises these three where an allocation is too large or fails; its own versions
// sit with the throwers of every other standard exception, whose messages need the
// copy-on-write string. To the plugin each is memory it cannot have: the work in hand is skipped
// where std::bad_alloc is caught, as for any failed allocation. Should the plugin's code come
// to need another of the runtime's throwers, the link fails on these, loudly.
namespace std {
void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_alloc(); }
void __throw_length_error(const char *) { throw std::bad_alloc(); }
} // namespace std

// The C heap, as the rest of the plugin uses it; replacing the global operators keeps the
// runtime's own operator new, and the exception helpers it drags in, out of the DLL.
void *operator new(std::size_t size) {
    void *block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void operator delete(void *block) noexcept { std::free(block); }

void operator delete(void *block, std::size_t) noexcept { std::free(block); }
