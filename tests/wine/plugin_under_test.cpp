// dovrink.dll itself, loaded afresh for each test.
#include "plugin_under_test.h"

#include <stdexcept>
#include <string>

PluginUnderTest::PluginUnderTest() : Module(LoadLibraryA("dovrink.dll")) {
    if (Module == nullptr) {
        throw std::runtime_error("cannot load dovrink.dll");
    }
    HMODULE module = Module;
    const char *missing =
        FindEntryPoints([module](const char *name) { return GetProcAddress(module, name); }, *this);
    if (missing != nullptr) {
        throw std::runtime_error(std::string("dovrink.dll does not export ") + missing);
    }
}

PluginUnderTest::~PluginUnderTest() { FreeLibrary(Module); }

void UseCodePage(UINT codePage) {
    if (GetACP() != codePage) {
        throw std::runtime_error("this test needs Wine started in code page " +
                                 std::to_string(codePage) + ", not " + std::to_string(GetACP()));
    }
}
