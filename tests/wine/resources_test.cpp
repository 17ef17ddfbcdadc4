// The resources of the real dovrink.dll, as Windows Explorer and LoadStringA read them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "plugin_under_test.h"

namespace {

TEST(Resources, VersionResourceNamesTheModule) {
    PluginUnderTest plugin;
    char path[MAX_PATH];
    GetModuleFileNameA(plugin.Module, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data.data()));

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void **>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00000003u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00000003u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

    WORD *translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void **>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 1200);

    const std::pair<const char *, const char *> strings[] = {
        {"FileDescription", "Dovrink"}, {"InternalName", "Dovrink"},
        {"ProductName", "Dovrink"},     {"OriginalFilename", "Dovrink.dll"},
        {"FileVersion", "0, 3, 0, 0"},  {"ProductVersion", "0, 3, 0, 0"},
    };
    for (const auto &[name, expected] : strings) {
        char *value = nullptr;
        const std::string query = std::string("\\StringFileInfo\\041104b0\\") + name;
        ASSERT_TRUE(
            VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void **>(&value), &length))
            << name;
        EXPECT_STREQ(value, expected) << name;
    }
}

TEST(Resources, StringTableIsJapanese) {
    PluginUnderTest plugin;
    const std::pair<int, const char *> strings[] = {
        {100, "Dovrink"}, {101, "Dovrink developers"}, {102, "0.03.00"}};
    for (const auto &[id, text] : strings) {
        const HRSRC block = FindResourceExA(plugin.Module, reinterpret_cast<LPCSTR>(RT_STRING),
                                            MAKEINTRESOURCEA(id / 16 + 1),
                                            MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
        EXPECT_NE(block, nullptr) << id;
        char loaded[64] = {};
        EXPECT_EQ(LoadStringA(plugin.Module, id, loaded, sizeof loaded),
                  static_cast<int>(std::strlen(text)));
        EXPECT_STREQ(loaded, text);
    }
}

} // namespace
