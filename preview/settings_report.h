#pragma once

// Prints the settings as the plugin reads them, and warns where a value will not work as meant.
void PrintSettingsReport();
