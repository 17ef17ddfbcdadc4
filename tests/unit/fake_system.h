#pragma once
// The Linux unit tests' stand-in for the system around the core: the test program is the host,
// the plugin a handle of its own, and message boxes go to the BoxAnswerer.
#include <map>
#include <string>
#include <vector>

#include "platform/windows_api.h"

struct FakeSystem {
    // Host function names that the host program does not export.
    std::vector<std::string> MissingExports;
    // The handle that the load notification hands over (null: none came).
    HINSTANCE AttachHandle;
    // The plugin's string table; the texts of the real resources unless a test changes them.
    std::map<UINT, std::string> Strings;
    // Every module name looked up by the plugin.
    std::vector<std::string> ModuleNamesAsked;
};

extern FakeSystem System;

// The handles of the fake host program and of the fake plugin module.
extern const HMODULE FakeHostModule;
extern const HMODULE FakePluginModule;

// Back to a host with all ten exports and a plugin with its real strings.
void ResetFakeSystem();

// The plugin's module state (plugin/module_state.h) as a module just loaded has it, before its
// load notification: the tests load the plugin again and again in one process.
void ResetModuleState();
