#pragma once
// The seven functions that the host calls (entry_point_list.h), declared, and the table in which a
// host that loads the plugin keeps them.
#include "platform/symbol_binding.h"
#include "platform/windows_api.h"
#include "plugin/entry_point_list.h"

// noexcept throughout: nothing may unwind into the host's frames. A type, a parameter list and a
// member's name are pasted as they are: parentheses would break them.
// NOLINTBEGIN(bugprone-macro-parentheses)
extern "C" {
#define DOVRINK_DECLARE_ENTRY(event, result, parameters, bytes, ordinal)                           \
    result WINAPI DOVRINK_ENTRY_POINT(event)                                                       \
    parameters noexcept;
DOVRINK_ENTRY_POINTS(DOVRINK_DECLARE_ENTRY)
#undef DOVRINK_DECLARE_ENTRY
}

// The plugin interface version that this plugin speaks.
constexpr int PluginInterfaceVersion = 0x2000;

// The entry points as a host finds them, one slot each, named after its event.
struct EntryPoints {
#define DOVRINK_ENTRY_SLOT(event, result, parameters, bytes, ordinal)                              \
    decltype(&DOVRINK_ENTRY_POINT(event)) event = nullptr;
    DOVRINK_ENTRY_POINTS(DOVRINK_ENTRY_SLOT)
#undef DOVRINK_ENTRY_SLOT
};
// NOLINTEND(bugprone-macro-parentheses)

// Fills the table through `find`, which takes an exported name and gives its address (a wrapper
// of GetProcAddress or dlsym). The name of the first entry point missing, or null when none is.
template <typename Find> const char *FindEntryPoints(Find find, EntryPoints &entries) {
#define DOVRINK_FIND_ENTRY(event, result, parameters, bytes, ordinal)                              \
    if (!BindSymbol(find(DOVRINK_ENTRY_POINT_NAME(event)), entries.event)) {                       \
        return DOVRINK_ENTRY_POINT_NAME(event);                                                    \
    }
    DOVRINK_ENTRY_POINTS(DOVRINK_FIND_ENTRY)
#undef DOVRINK_FIND_ENTRY
    return nullptr;
}
