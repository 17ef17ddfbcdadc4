#include "literal_viewer.h"

#include <cstdlib>
#include <cstring>

#include "platform/lead_bytes.h"
#include "platform/windows_api.h"
#include "viewer/caption.h"

namespace {

const char *PlainSearch(const char *text, const char *pattern) {
    for (const char *candidate = text;; ++candidate) {
        size_t k = 0;
        while (pattern[k] != '\0' && candidate[k] == pattern[k]) {
            ++k;
        }
        if (pattern[k] == '\0') {
            return candidate;
        }
        if (*candidate == '\0') {
            return nullptr;
        }
    }
}

const char *Skipped(const char *text) {
    for (int i = 0; i < ExcerptSkip && *text != '\0'; ++i) {
        ++text;
    }
    return text;
}

bool IsBlankOrBreak(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

} // namespace

const char *LiteralFindText(const char *text, const char *pattern) {
    if (!IsDoubleByteCodePage()) {
        return PlainSearch(text, pattern);
    }
    const size_t textLength = std::strlen(text);
    const size_t patternLength = std::strlen(pattern);
    if (patternLength > textLength) {
        return nullptr;
    }
    const char *lastStart = text + textLength - patternLength;
    for (const char *candidate = text;; candidate += IsLeadByte(*candidate) ? 2 : 1) {
        if (candidate > lastStart || *candidate == '\0') {
            return nullptr;
        }
        if (std::memcmp(candidate, pattern, patternLength) == 0) {
            return candidate;
        }
    }
}

bool LiteralShowPaged(const char *excerpt, const char *keyword, std::int32_t maxLines) {
    const char *caption = Skipped(keyword);
    const char *page = Skipped(excerpt);
    if (*page == '\0') {
        return true;
    }
    const char *cut = nullptr;
    std::int32_t lineFeeds = 0;
    size_t i = 0;
    do {
        if (page[i] == '\n') {
            if (page[i + 1] == '\r' || page[i + 1] == '\n') {
                cut = page + i + 1;
            }
            if (++lineFeeds > maxLines) {
                if (cut == nullptr) {
                    cut = page + i;
                }
                auto *buffer = static_cast<char *>(std::malloc(i + 2));
                if (buffer != nullptr) {
                    const auto length = static_cast<size_t>(cut - page);
                    std::memcpy(buffer, page, length);
                    buffer[length] = '\0';
                    const int answer = MessageBoxA(nullptr, buffer, caption, MB_OKCANCEL);
                    std::free(buffer);
                    if (answer == IDCANCEL) {
                        return false;
                    }
                }
                page = cut;
                i = 0;
                lineFeeds = 0;
                cut = nullptr;
            }
        }
        ++i;
    } while (i < std::strlen(page));
    for (const char *rest = page; *rest != '\0'; ++rest) {
        if (!IsBlankOrBreak(*rest)) {
            return MessageBoxA(nullptr, page, caption, MB_OKCANCEL) != IDCANCEL;
        }
    }
    return true;
}
