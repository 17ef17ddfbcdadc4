#include "plugin/for_preview.h"

#include "plugin/module_state.h"
#include "viewer/issue.h"
#include "viewer/pages.h"

extern "C" const PluginInspection *DovrinkInspection() {
    static const PluginInspection inspection = {
        &Settings,  KeywordFilePath, CheckSettings, FindSections,
        CountPages, FindIssueMarker, IsIssue,
    };
    return &inspection;
}
