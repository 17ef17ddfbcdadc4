#pragma once
// What the preview and the self-check advise about a text with the settings, beyond each keyword's
// fate (text_judgement.h): boxes that will show wrong (a title cut inside a character, a box of
// its heading alone, a table of contents in place of the section) or a keyword or separator
// that misses by a little. Each fix is offered only once the plugin's own judgement of the same
// text has shown that it works; the fixes of the keywords are taken together when the separator
// is judged, so that a reader can make them all at once.
#include <string>
#include <vector>

#include "diagnosis/advice.h"
#include "settings/settings.h"

// The advice for the text (in the code page, up to its first NUL) and the settings.
std::vector<TextAdvice> AdviseOnText(const std::string &text, const PluginSettings &settings);
