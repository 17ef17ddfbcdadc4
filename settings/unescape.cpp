#include "settings/unescape.h"

void UnescapeLineBreaks(char *text) {
    // An expansion writes CR LF, which cannot form a new pair, so one pass finds every escape.
    for (char *at = text; at[0] != '\0'; ++at) {
        if (at[0] == '\\' && at[1] == 'n') {
            at[0] = '\r';
            at[1] = '\n';
            ++at;
        }
    }
}
