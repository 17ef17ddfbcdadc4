#include "plugin/for_preview.h"

#include "plugin/module_state.h"
#include "settings/settings_text.h"

extern "C" const PluginInspection *DovrinkInspection() {
    static const PluginInspection inspection = {&Settings,       KeywordFilePath, CheckSettings,
                                                JudgeText,       AdviseOnText,    ProposeSetup,
                                                SettingsFileText};
    return &inspection;
}
