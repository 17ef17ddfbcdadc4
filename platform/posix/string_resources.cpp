// LoadStringA over the string table that the library handed over.
#include "platform/posix/string_resources.h"

#include <algorithm>
#include <cstring>

#include "platform/posix/this_module.h"

namespace {

const ModuleString *Table = nullptr;
size_t TableSize = 0;

// The table's text by ID, null for an ID it does not hold.
const char *TextOf(UINT id) {
    for (size_t i = 0; i < TableSize; ++i) {
        if (Table[i].Id == id) {
            return Table[i].Text;
        }
    }
    return nullptr;
}

} // namespace

void SetModuleStrings(const ModuleString *strings, size_t count) {
    Table = strings;
    TableSize = count;
}

int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax) {
    if (buffer == nullptr || bufferMax <= 0) {
        return 0;
    }
    // Only this library holds the table; any other module has no such string.
    const char *text = instance != nullptr && instance == ThisModule() ? TextOf(id) : nullptr;
    const size_t kept =
        text == nullptr ? 0 : std::min(std::strlen(text), static_cast<size_t>(bufferMax - 1));
    if (kept > 0) {
        std::memcpy(buffer, text, kept);
    }
    buffer[kept] = '\0';
    return static_cast<int>(kept);
}
