// dovrink.dll itself, loaded afresh for each test.
#include "plugin_under_test.h"

#include <stdexcept>
#include <string>

#include "platform/symbol_binding.h"

namespace {

template <typename Function> void Bind(HMODULE module, const char *name, Function &entry) {
    if (!BindSymbol(GetProcAddress(module, name), entry)) {
        throw std::runtime_error(std::string("dovrink.dll does not export ") + name);
    }
}

} // namespace

PluginUnderTest::PluginUnderTest() : Module(LoadLibraryA("dovrink.dll")) {
    if (Module == nullptr) {
        throw std::runtime_error("cannot load dovrink.dll");
    }
    Bind(Module, "OmbrelPlugin_Init", Init);
    Bind(Module, "OmbrelPlugin_Exit", Exit);
    Bind(Module, "OmbrelPlugin_OnUpdateView", OnUpdateView);
    Bind(Module, "OmbrelPlugin_OnActivate", OnActivate);
    Bind(Module, "OmbrelPlugin_OnNewPostmanInstance", OnNewPostmanInstance);
    Bind(Module, "OmbrelPlugin_OnDeletePostmanInstance", OnDeletePostmanInstance);
    Bind(Module, "OmbrelPlugin_GetPluginVersion", GetPluginVersion);
}

PluginUnderTest::~PluginUnderTest() { FreeLibrary(Module); }

void UseCodePage(UINT codePage) {
    if (GetACP() != codePage) {
        throw std::runtime_error("this test needs Wine started in code page " +
                                 std::to_string(codePage) + ", not " + std::to_string(GetACP()));
    }
}
