/* The module's string table, in one place for the resource script and for the POSIX build.
   Plain C preprocessor only: windres reads this file too. */
#pragma once

#include "plugin/version.h"

#define IDS_PLUGIN_NAME 100
#define IDS_PLUGIN_AUTHOR 101
#define IDS_PLUGIN_VERSION 102

#define TEXT_PLUGIN_NAME "Dovrink"
#define TEXT_PLUGIN_AUTHOR "Dovrink developers"
