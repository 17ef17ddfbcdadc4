#include "preview/stand_in/host_exports.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "host/copy_text.h"
#include "host/idle_host_functions.h"

namespace {

std::string Body; // of the message on view
HMODULE PluginHandle = nullptr;
std::vector<ShownBox> Boxes;

// A text field of the record: up to its first NUL, never past the field.
std::string Field(const unsigned char *record, size_t offset, size_t size) {
    const auto *text = reinterpret_cast<const char *>(record + offset);
    return std::string(text, strnlen(text, size));
}

} // namespace

void SetMessageOnView(std::string body) { Body = std::move(body); }

const std::string &MessageOnView() { return Body; }

void SetPluginHandle(HMODULE plugin) { PluginHandle = plugin; }

std::vector<ShownBox> TakeShownBoxes() {
    std::vector<ShownBox> boxes;
    boxes.swap(Boxes);
    return boxes;
}

extern "C" void DovrinkWatchBox(const char *caption, int cancelled) {
    Boxes.push_back({caption != nullptr ? caption : "", cancelled != 0});
}

// The preview has no menus, windows or headers: these exist because plugins look them up.
#define DOVRINK_EXPORTED(name) name
DOVRINK_IDLE_HOST_FUNCTIONS(DOVRINK_EXPORTED)
#undef DOVRINK_EXPORTED

// The count includes the terminator, so the plugin's buffer of that size holds the whole body.
DWORD WINAPI GetBodyTextLength() { return static_cast<DWORD>(Body.size() + 1); }

int WINAPI GetBodyText(DWORD size, char *buffer) {
    return CopyText(Body.data(), Body.size(), size, buffer);
}

// Read by offset, as a host built elsewhere would see the record's bytes.
int WINAPI RegisterPluginInfo(HINSTANCE plugin, PluginInfo *info) {
    const auto *record = reinterpret_cast<const unsigned char *>(info);
    std::uint32_t size;
    std::memcpy(&size, record, sizeof size);
    std::printf("Registered: name \"%s\", version \"%s\", author \"%s\"\n"
                "            a %u-byte record, from %s\n\n",
                Field(record, 4, 64).c_str(), Field(record, 68, 16).c_str(),
                Field(record, 84, 32).c_str(), static_cast<unsigned>(size),
                plugin == PluginHandle ? "the loaded library's own handle" : "an unknown handle");
    return 1;
}
