#pragma once
// A body saved as text alone (the message's text, without its header), as the mail client would
// hand it over: in the code page as it stands, or, when an editor saved it in Unicode with a
// byte-order mark, read into the code page.
#include <string>

// The bytes are taken. `origin` says how a body in Unicode was read; empty for one in the code
// page. False, with the reason, when no converter for `ansiCharset` is at hand.
bool ReadPlainBody(std::string bytes, const char *ansiCharset, std::string &body,
                   std::string &origin, std::string &error);
