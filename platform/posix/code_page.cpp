#include "platform/posix/code_page.h"

#include <cstdlib>
#include <cstring>

#include "platform/ansi_text.h"
#include "platform/posix/code_pages.h"
#include "platform/posix/environment.h"
#include "platform/posix/text_conversion.h"

namespace {

constexpr UINT DefaultCodePage = 1252;

const CodePage &AnsiCodePage() { return *FindCodePage(GetACP()); }

} // namespace

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

std::string Utf8OfAnsi(const std::string &text) {
    std::string out;
    size_t replaced = 0;
    // Byte by byte, as the terminal boxes have always shown what is not text.
    ConvertText(text, AnsiCodePage().IconvName, "UTF-8", SequenceUnit::Byte, "\xEF\xBF\xBD", out,
                replaced);
    // Without a converter for the code page the bytes are better shown as they are than lost.
    return out.empty() ? text : out;
}
