#pragma once
// One view update as the host drives it: settings in place, plugin loaded and initialised, a body
// on view, and the boxes that the update showed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_boxes.h"
#include "platform/windows_api.h"
#include "test_files.h"

// A settings file's text from its lines, with CR LF line ends.
std::string SettingsText(const std::vector<std::string> &lines);

// A message body from its lines, with CR LF line ends.
std::string Body(const std::vector<std::string> &lines);

// Loads the plugin, initialises it and shows it the body once; the boxes shown, answered in order
// (then with OK).
std::vector<ShownBox> ViewOnce(const std::string &body, std::vector<int> answers = {});

// A test of view updates as the host drives them: a fresh host with no settings file, unless the
// test arranges a code page and settings; the file is removed afterwards.
class ScenarioTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh host, the code page, and a settings file of these lines in the host's folder.
    static void Arrange(UINT codePage, const std::vector<std::string> &settings);
};
