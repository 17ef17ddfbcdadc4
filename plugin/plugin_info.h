#pragma once
#include <cstddef>
#include <cstdint>

#include "host/host_api.h"

// The record that the host's RegisterPluginInfo receives: 116 bytes, little-endian.
struct PluginInfo {
    std::uint32_t Size;
    char Name[64];
    char Version[16];
    char Author[32];
};

static_assert(sizeof(PluginInfo) == 116, "the host reads a 116-byte record");
static_assert(offsetof(PluginInfo, Name) == 4, "name at offset 4");
static_assert(offsetof(PluginInfo, Version) == 68, "version at offset 68");
static_assert(offsetof(PluginInfo, Author) == 84, "author at offset 84");

// Builds the record from the string table and hands it to the host.
void RegisterPlugin(const HostFunctions &host);
