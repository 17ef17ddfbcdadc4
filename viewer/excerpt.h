#pragma once
#include <cstddef>

#include "settings/settings.h"

// Shows the excerpt of every keyword of the settings in turn, until the user cancels. The body is
// the text in a buffer of `size` bytes, up to its first NUL.
void ShowExcerpts(const char *body, size_t size, const PluginSettings &settings);
