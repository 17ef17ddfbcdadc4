#pragma once
// One view update as the host drives it: settings in place, plugin loaded and initialised, a body
// on view, and the boxes that the update showed.
#include <string>
#include <vector>

#include "message_boxes.h"
#include "test_files.h"

// A settings file's text from its lines, with CR LF line ends.
std::string SettingsText(const std::vector<std::string> &lines);

// A message body from its lines, with CR LF line ends.
std::string Body(const std::vector<std::string> &lines);

// Loads the plugin, initialises it and shows it the body once; the boxes shown, answered in order
// (then with OK).
std::vector<ShownBox> ViewOnce(const std::string &body, std::vector<int> answers = {});
