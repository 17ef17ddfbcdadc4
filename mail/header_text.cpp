#include "mail/header_text.h"

#include <vector>

#include "mail/charset_decoding.h"
#include "mail/transfer_encoding.h"
#include "mail/unicode_text.h"
#include "mail/white_space.h"

namespace {

// A run of the field: an encoded word's bytes with its charset, or text as it stands.
struct Piece {
    bool Encoded;
    std::string Charset; // as written, less any language after "*"
    std::string Bytes;
    std::string Source; // the encoded word as written, shown when its charset is unknown
};

bool IsWhiteSpaceOnly(const std::string &text) {
    for (const char c : text) {
        if (!IsWhiteSpace(c)) {
            return false;
        }
    }
    return true;
}

// The value on one line: a line break and the blanks after it are folding.
std::string Unfolded(const std::string &raw) {
    std::string line;
    for (const char c : raw) {
        if (c != '\r' && c != '\n') {
            line += c;
        }
    }
    return line;
}

// Q encoding: "_" is a space, "=" and two hexadecimal digits that byte.
std::string DecodeQ(const std::string &text) {
    std::string spaced = text;
    for (char &c : spaced) {
        if (c == '_') {
            c = ' ';
        }
    }
    return DecodeQuotedPrintable(spaced);
}

// The encoded word at `at` ("=?charset?B?text?="), its length in `length`; false when there is
// none. Its text holds neither "?" nor a blank.
bool ReadEncodedWord(const std::string &line, size_t at, Piece &word, size_t &length) {
    if (line.compare(at, 2, "=?") != 0) {
        return false;
    }
    const size_t charsetEnd = line.find('?', at + 2);
    if (charsetEnd == std::string::npos || charsetEnd == at + 2 || charsetEnd + 2 >= line.size() ||
        line[charsetEnd + 2] != '?') {
        return false;
    }
    const char encoding = line[charsetEnd + 1];
    const size_t textStart = charsetEnd + 3;
    const size_t textEnd = line.find("?=", textStart);
    if (textEnd == std::string::npos ||
        (encoding != 'B' && encoding != 'b' && encoding != 'Q' && encoding != 'q')) {
        return false;
    }
    const std::string text = line.substr(textStart, textEnd - textStart);
    for (const char c : text) {
        if (IsWhiteSpace(c) || c == '?') {
            return false;
        }
    }
    std::string charset = line.substr(at + 2, charsetEnd - at - 2);
    charset = charset.substr(0, charset.find('*'));
    const bool base64 = encoding == 'B' || encoding == 'b';
    length = textEnd + 2 - at;
    word = {true, charset, base64 ? DecodeBase64(text) : DecodeQ(text), line.substr(at, length)};
    return true;
}

std::vector<Piece> Pieces(const std::string &line) {
    std::vector<Piece> pieces;
    std::string text;
    for (size_t at = 0; at < line.size();) {
        Piece word;
        size_t length = 0;
        if (ReadEncodedWord(line, at, word, length)) {
            // Blanks between two encoded words are not part of the text.
            if (!text.empty() &&
                !(IsWhiteSpaceOnly(text) && !pieces.empty() && pieces.back().Encoded)) {
                pieces.push_back({false, "", text, text});
            }
            text.clear();
            pieces.push_back(std::move(word));
            at += length;
        } else {
            text += line[at++];
        }
    }
    if (!text.empty()) {
        pieces.push_back({false, "", text, text});
    }
    return pieces;
}

bool SameCharset(const std::string &a, const std::string &b) {
    return NormalLabel(a) == NormalLabel(b);
}

std::string Decoded(const Piece &piece) {
    DecodedText text;
    if (!piece.Encoded) {
        ReadUnlabelled(piece.Bytes, text);
        return Utf8FromWide(text.Wide);
    }
    return DecodeText(piece.Bytes, piece.Charset, text) ? Utf8FromWide(text.Wide) : piece.Source;
}

} // namespace

std::string DecodeHeaderText(const std::string &raw) {
    const std::vector<Piece> pieces = Pieces(Unfolded(raw));
    std::string utf8;
    for (size_t i = 0; i < pieces.size();) {
        Piece joined = pieces[i++];
        while (joined.Encoded && i < pieces.size() && pieces[i].Encoded &&
               SameCharset(pieces[i].Charset, joined.Charset)) {
            joined.Bytes += pieces[i].Bytes;
            joined.Source += pieces[i++].Source;
        }
        utf8 += Decoded(joined);
    }
    // A header value starts after the blank that follows its colon.
    const size_t start = utf8.find_first_not_of(" \t");
    const size_t end = utf8.find_last_not_of(" \t");
    return start == std::string::npos ? "" : utf8.substr(start, end + 1 - start);
}
