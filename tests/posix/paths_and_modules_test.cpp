// The POSIX stand-ins for paths and modules: what the core and the host see of them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>
#include <string>

#include "platform/posix/environment.h"
#include "platform/posix/windows_api.h"
#include "platform/posix/windows_path.h"

extern "C" int ExportedByTheTestProgram() { return 1; }

namespace {

TEST(WindowsPaths, BecomePosixPathsResolvedByName) {
    const std::pair<const char *, const char *> cases[] = {
        {".\\plugins\\dovrink.ini", "plugins/dovrink.ini"},
        {"\\home\\user\\plugins\\dovrink.ini", "/home/user/plugins/dovrink.ini"},
        {".\\plugins\\..\\dovrink.ini", "dovrink.ini"},
        {"..\\up\\x.ini", "../up/x.ini"},
        {"\\..\\x.ini", "/x.ini"},
        {"a\\\\b\\.\\c", "a/b/c"},
    };
    for (const auto &[windows, posix] : cases) {
        EXPECT_EQ(PosixPath(windows), posix) << windows;
    }
    EXPECT_TRUE(NamesFolder(".\\x.ini"));
    EXPECT_FALSE(NamesFolder("x.ini")) << "Windows looks for a bare name in its own folder";
}

TEST(ModuleFileName, IsTheProgramInTheHostFolderWithBackslashes) {
    setenv(HostDirVariable, "/srv/mail client", 1);
    char name[512];
    const DWORD length = GetModuleFileNameA(nullptr, name, sizeof name);
    EXPECT_EQ(std::string(name, length), "\\srv\\mail client\\posix_tests");

    char small[8];
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), sizeof small) << "cut to fit";
    EXPECT_STREQ(small, "\\srv\\ma");
    unsetenv(HostDirVariable);
}

TEST(Modules, ExportsAreLookedUpInTheNamedModuleOnly) {
    HMODULE program = GetModuleHandleA(nullptr);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(reinterpret_cast<void *>(GetProcAddress(program, "ExportedByTheTestProgram")),
              reinterpret_cast<void *>(&ExportedByTheTestProgram));
    EXPECT_EQ(GetProcAddress(program, "malloc"), nullptr) << "found in libc, not in the program";
    EXPECT_EQ(GetProcAddress(program, "NoSuchFunction"), nullptr);
}

TEST(Modules, PluginIsFoundByItsNameOnlyWhileLoaded) {
    EXPECT_EQ(GetModuleHandleA("dovrink"), nullptr);
    void *plugin = dlopen(DOVRINK_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(plugin, nullptr) << dlerror();
    EXPECT_EQ(GetModuleHandleA("dovrink"), plugin);
    EXPECT_EQ(GetModuleHandleA("libdovrink.so"), plugin);
    EXPECT_NE(GetProcAddress(plugin, "OmbrelPlugin_Init"), nullptr);
    EXPECT_EQ(GetProcAddress(plugin, "LoadSettings"), nullptr)
        << "only the entry points are exported";
    dlclose(plugin);
}

} // namespace
