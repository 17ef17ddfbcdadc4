#include "check/show_boxes.h"

#include "host/copy_text.h"
#include "plugin/view_update.h"

namespace {

const std::string *OnView = nullptr;

// A host's body functions: the length with its terminator, as mail clients report it.
DWORD WINAPI BodyLength() { return static_cast<DWORD>(OnView->size()) + 1; }

int WINAPI BodyText(DWORD size, char *buffer) {
    return CopyText(OnView->data(), OnView->size(), size, buffer);
}

} // namespace

void ShowBoxesAsPlugin(const std::string &text, const PluginSettings &settings) {
    OnView = &text;
    HostFunctions host{};
    host.GetBodyTextLength = BodyLength;
    host.GetBodyText = BodyText;
    HandleViewUpdate(host, settings);
    OnView = nullptr;
}
