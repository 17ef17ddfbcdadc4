#include "mail/content_type.h"
#include "mail/white_space.h"

#include <algorithm>

namespace {

// The quoted string that opens at `at` (its quote), unescaped; `end` gets the byte after it.
std::string QuotedAt(const std::string &value, size_t at, size_t &end) {
    std::string text;
    for (end = at + 1; end < value.size() && value[end] != '"'; ++end) {
        if (value[end] == '\\' && end + 1 < value.size()) {
            ++end;
        }
        text += value[end];
    }
    end = end < value.size() ? end + 1 : end;
    return text;
}

} // namespace

std::string Lowered(std::string text) {
    for (char &c : text) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

std::string Trimmed(const std::string &text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    const size_t last = text.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

std::string MediaTypeOf(const std::string &value) {
    std::string type = Lowered(Trimmed(value.substr(0, value.find(';'))));
    const size_t slash = type.find('/');
    if (slash == std::string::npos || slash + 1 == type.size()) {
        return type.empty() || type.compare(0, slash, "text") == 0 ? "text/plain"
                                                                   : "application/octet-stream";
    }
    return type;
}

std::string DispositionOf(const std::string &value) {
    return Lowered(Trimmed(value.substr(0, value.find(';'))));
}

std::string ParameterOf(const std::string &value, const char *name) {
    size_t at = value.find(';');
    while (at != std::string::npos) {
        const size_t equals = value.find('=', at);
        if (equals == std::string::npos) {
            return {};
        }
        const std::string key = Lowered(Trimmed(value.substr(at + 1, equals - at - 1)));
        size_t start = equals + 1;
        while (start < value.size() && IsWhiteSpace(value[start])) {
            ++start;
        }
        std::string found;
        size_t end = start;
        if (start < value.size() && value[start] == '"') {
            found = QuotedAt(value, start, end);
        } else {
            end = std::min(value.find(';', start), value.size());
            found = Trimmed(value.substr(start, end - start));
        }
        if (key == name) {
            return found;
        }
        at = value.find(';', end);
    }
    return {};
}
