#include "fake_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <strings.h>

#include "host/host_api.h"
#include "message_boxes.h"
#include "platform/posix/environment.h"
#include "plugin/module_handle.h"
#include "plugin/module_state.h"
#include "plugin/resource_ids.h"
#include "plugin_under_test.h"
#include "settings/settings.h"
#include "test_host.h"

FakeSystem System;

namespace {

char HostModuleToken;
char PluginModuleToken;

template <typename Function> FARPROC Export(Function function) {
    return reinterpret_cast<FARPROC>(function);
}

const std::map<std::string, FARPROC> HostExports = {
#define DOVRINK_FAKE_EXPORT(name, result, parameters, bytes) {#name, Export(Host##name)},
    DOVRINK_HOST_FUNCTIONS(DOVRINK_FAKE_EXPORT)
#undef DOVRINK_FAKE_EXPORT
};

bool Answering = false;
std::deque<int> Answers;
std::function<void()> WorkWhileOpen;
std::vector<ShownBox> Boxes;

} // namespace

const HMODULE FakeHostModule = &HostModuleToken;
const HMODULE FakePluginModule = &PluginModuleToken;

void ResetModuleState() {
    HostApi = HostFunctions{};
    Settings = PluginSettings{};
    ModuleHandle = nullptr;
}

void ResetFakeSystem() {
    System = FakeSystem{{},
                        FakePluginModule,
                        {{IDS_PLUGIN_NAME, TEXT_PLUGIN_NAME},
                         {IDS_PLUGIN_AUTHOR, TEXT_PLUGIN_AUTHOR},
                         {IDS_PLUGIN_VERSION, TEXT_PLUGIN_VERSION}},
                        {}};
}

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    if (moduleName == nullptr) {
        return FakeHostModule;
    }
    System.ModuleNamesAsked.emplace_back(moduleName);
    return strcasecmp(moduleName, "dovrink") == 0 ? FakePluginModule : nullptr;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    const auto missing =
        std::find(System.MissingExports.begin(), System.MissingExports.end(), procName);
    const auto found = HostExports.find(procName);
    if (module != FakeHostModule || missing != System.MissingExports.end() ||
        found == HostExports.end()) {
        return nullptr;
    }
    return found->second;
}

int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax) {
    const auto found = System.Strings.find(id);
    if (instance != FakePluginModule || found == System.Strings.end()) {
        return 0;
    }
    const size_t kept = std::min(found->second.size(), static_cast<size_t>(bufferMax - 1));
    std::memcpy(buffer, found->second.data(), kept);
    buffer[kept] = '\0';
    return static_cast<int>(kept);
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    EXPECT_TRUE(Answering) << "a box that no test expected: " << text;
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(type, MB_OKCANCEL);
    Boxes.push_back({caption, text});
    int answer = IDOK;
    if (!Answers.empty()) {
        answer = Answers.front();
        Answers.pop_front();
    }
    if (WorkWhileOpen) {
        const std::function<void()> work = std::move(WorkWhileOpen);
        WorkWhileOpen = nullptr;
        work();
    }
    return answer;
}

void WhileNextBoxIsOpen(std::function<void()> work) { WorkWhileOpen = std::move(work); }

BoxAnswerer::BoxAnswerer(std::vector<int> answers) {
    Answers.assign(answers.begin(), answers.end());
    Boxes.clear();
    Answering = true;
}

BoxAnswerer::~BoxAnswerer() {
    Answering = false;
    WorkWhileOpen = nullptr;
}

const std::vector<ShownBox> &BoxAnswerer::Shown() const { return Boxes; }

// A fresh load: the module-wide data as the loader leaves it, then the load notification.
PluginUnderTest::PluginUnderTest() : Module(FakePluginModule) {
#define DOVRINK_LINKED_ENTRY(event, result, parameters, bytes, ordinal)                            \
    event = DOVRINK_ENTRY_POINT(event);
    DOVRINK_ENTRY_POINTS(DOVRINK_LINKED_ENTRY)
#undef DOVRINK_LINKED_ENTRY
    ResetModuleState();
    OnProcessAttach(System.AttachHandle);
}

PluginUnderTest::~PluginUnderTest() = default;

void UseCodePage(UINT codePage) { setenv(CodePageVariable, std::to_string(codePage).c_str(), 1); }
