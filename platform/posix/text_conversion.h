#pragma once
// Text between charsets through iconv: shared by the stand-ins' terminal boxes and the preview's
// reading of saved mail, so that there is one conversion loop. It knows nothing of the process's
// code page; code_page.h converts from that.
#include <iconv.h>

#include <cstddef>
#include <string>

#include "platform/text_encoding.h"

// Converts between iconv's charsets, appending to `out`; each sequence that cannot be read or
// written becomes `replacement`, and counts in `replaced`. False when iconv knows neither name.
bool ConvertText(const std::string &text, const char *from, const char *to, SequenceUnit unit,
                 const char *replacement, std::string &out, size_t &replaced);

// A converter from `from` to `to` in its initial state, kept open for the life of the thread;
// (iconv_t)-1 when iconv knows neither name.
iconv_t OpenConverter(const char *from, const char *to);
