#include "check/settings_read.h"

void ReadSettingsFrom(const char *file, ReadSettingsFiles &read, RunTally &tally) {
    read.Placed = FindSettingsPlaces(read.Places);
    const char *keywords = file != nullptr ? file
                           : read.Placed   ? read.Places.SettingsFile
                                           : nullptr;
    const char *separator = file != nullptr ? file
                            : read.Placed   ? read.Places.SettingsFile
                                            : RelativeSettingsPath;
    ReadSettings(keywords, separator, read.Settings);
    CheckSettings(keywords, separator, read.Settings, read.Findings);
    tally.Warnings += static_cast<size_t>(read.Findings.Count);
    read.Written = KeywordsAsWritten(read.Settings, read.Findings);
}
