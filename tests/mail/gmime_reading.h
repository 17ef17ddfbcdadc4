#pragma once
// GMime's reading of a saved message: the part chosen, its charset label, its transfer encoding
// and its bytes with the transfer encoding undone.
#include <string>

struct GMimeReading {
    bool Found = false;   // a text part was chosen
    bool TooDeep = false; // the search went deeper than MaxNesting
    bool IsPiece = false; // the message is message/partial
    std::string Part;     // as the preview names it: "text/plain of the attached message"
    std::string Charset;  // the charset parameter, as GMime gives it
    std::string Encoding; // as GMime names it: "7bit", "base64"
    std::string Bytes;
};

GMimeReading ReadWithGMime(const std::string &bytes);
