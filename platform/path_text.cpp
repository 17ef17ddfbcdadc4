#include "platform/path_text.h"

#include "platform/lead_bytes.h"

size_t FolderPartLength(const char *path, size_t length) {
    size_t folder = 0;
    for (size_t i = 0; i < length; ++i) {
        if (IsLeadByte(path[i]) && i + 1 < length) {
            ++i;
        } else if (path[i] == '\\') {
            folder = i + 1;
        }
    }
    return folder;
}
