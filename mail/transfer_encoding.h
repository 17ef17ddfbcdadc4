#pragma once
// Content transfer encodings undone as mail clients undo them: leniently, keeping every byte the
// sender meant, where a strict reading would drop some.
#include <string>

// Base64: characters outside its alphabet are passed over; the complete bytes of a last group
// without its "=" padding are kept; "=" ends a group, so that pieces encoded apart and joined
// read whole.
std::string DecodeBase64(const std::string &text);

// Quoted-printable: "=" and two hexadecimal digits is that byte, "=" at a line's end (blanks
// after it allowed) joins the line to the next; any other "=" is kept as it is, and blanks at
// the end of a line are the transport's, not the text's.
std::string DecodeQuotedPrintable(const std::string &text);

// Uuencode, as mailers sent files before MIME: the lines after "begin", each with its length in
// its first character, up to "end"; a line cut short gives the bytes it holds.
std::string DecodeUuencode(const std::string &text);

// The transfer encoding a Content-Transfer-Encoding value names, as the preview tells it: "7bit",
// "8bit", "binary", "base64", "quoted-printable" or "x-uuencode"; "7bit" for none or one unknown.
std::string TransferEncodingOf(const std::string &value);

// The part's bytes with that transfer encoding undone; as they stand for 7bit, 8bit and binary.
std::string DecodeTransfer(const std::string &bytes, const std::string &encoding);
