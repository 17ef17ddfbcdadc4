#pragma once

// Turns every backslash-n pair of the text into CR LF, in place. The pair is matched byte by byte,
// so a double-byte character whose second byte is a backslash, followed by "n", counts too.
void UnescapeLineBreaks(char *text);
