#include "platform/posix/code_page.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iconv.h>

#include "platform/posix/environment.h"

namespace {

constexpr UINT DefaultCodePage = 1252;

const CodePage KnownPages[] = {
    {932, "CP932", {0x81, 0x9F, 0xE0, 0xFC}},
    {936, "CP936", {0x81, 0xFE}},
    {949, "CP949", {0x81, 0xFE}},
    {950, "CP950", {0x81, 0xFE}},
    {874, "CP874", {}},
    {1250, "CP1250", {}},
    {1251, "CP1251", {}},
    {1252, "CP1252", {}},
    {1253, "CP1253", {}},
    {1254, "CP1254", {}},
    {1255, "CP1255", {}},
    {1256, "CP1256", {}},
    {1257, "CP1257", {}},
    {1258, "CP1258", {}},
};

const CodePage &AnsiCodePage() {
    const CodePage *page = FindCodePage(GetACP());
    return page != nullptr ? *page : *FindCodePage(DefaultCodePage);
}

bool IsLeadByteOf(const CodePage &page, unsigned char byte) {
    for (int i = 0; i + 1 < MAX_LEADBYTES && page.LeadByte[i] != 0; i += 2) {
        if (byte >= page.LeadByte[i] && byte <= page.LeadByte[i + 1]) {
            return true;
        }
    }
    return false;
}

// Converts to UTF-8; at a sequence that is not text, calls `invalid` and skips one byte.
template <typename OnInvalid>
bool ConvertToUtf8(const std::string &text, std::string &out, OnInvalid invalid) {
    iconv_t converter = iconv_open("UTF-8", AnsiCodePage().IconvName);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    char *in = const_cast<char *>(text.data());
    size_t inLeft = text.size();
    char chunk[1024];
    bool whole = true;
    while (inLeft > 0) {
        char *to = chunk;
        size_t toLeft = sizeof chunk;
        const size_t result = iconv(converter, &in, &inLeft, &to, &toLeft);
        out.append(chunk, static_cast<size_t>(to - chunk));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            whole = false;
            invalid(out);
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    return whole;
}

} // namespace

const CodePage *FindCodePage(UINT number) {
    for (const CodePage &page : KnownPages) {
        if (page.Number == number) {
            return &page;
        }
    }
    return nullptr;
}

std::string KnownCodePages() {
    std::string list;
    for (const CodePage &page : KnownPages) {
        list += (list.empty() ? "" : ", ") + std::to_string(page.Number);
    }
    return list;
}

UINT GetACP() {
    const char *chosen = std::getenv(CodePageVariable);
    if (chosen == nullptr) {
        return DefaultCodePage;
    }
    char *end = nullptr;
    const unsigned long number = std::strtoul(chosen, &end, 10);
    const bool known = end != chosen && *end == '\0' && FindCodePage(static_cast<UINT>(number));
    return known ? static_cast<UINT>(number) : DefaultCodePage;
}

BOOL GetCPInfo(UINT codePage, CPINFO *info) {
    const CodePage *page = FindCodePage(codePage == CP_ACP ? GetACP() : codePage);
    if (page == nullptr || info == nullptr) {
        return FALSE;
    }
    info->MaxCharSize = page->LeadByte[0] != 0 ? 2 : 1;
    info->DefaultChar[0] = '?';
    info->DefaultChar[1] = 0;
    std::memcpy(info->LeadByte, page->LeadByte, sizeof info->LeadByte);
    return TRUE;
}

bool IsAnsiLeadByte(unsigned char byte) { return IsLeadByteOf(AnsiCodePage(), byte); }

std::string AnsiToUtf8(const std::string &text) {
    std::string out;
    ConvertToUtf8(text, out, [](std::string &converted) { converted += "\xEF\xBF\xBD"; });
    // Without a converter for the code page the bytes are better shown as they are than lost.
    return out.empty() ? text : out;
}

bool IsAnsiText(const std::string &text) {
    std::string out;
    return ConvertToUtf8(text, out, [](std::string &) {});
}
