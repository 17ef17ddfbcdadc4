#pragma once
// The plugin as a test host sees it: loaded afresh for each test, with its seven entry points.
// Under Wine it is dovrink.dll itself; in the Linux unit tests, the core with a fake system.
#include "platform/windows_api.h"
#include "plugin/entry_points.h"

struct PluginUnderTest : EntryPoints {
    PluginUnderTest();
    ~PluginUnderTest();
    PluginUnderTest(const PluginUnderTest &) = delete;
    PluginUnderTest &operator=(const PluginUnderTest &) = delete;

    HMODULE Module = nullptr;
};

// Makes sure that the plugin will load in this ANSI code page: chosen where the system allows it,
// else checked (Wine takes it from the locale that the test run was started in).
void UseCodePage(UINT codePage);
