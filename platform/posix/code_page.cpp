#include "platform/posix/code_page.h"

#include <cstdlib>
#include <cstring>

#include "platform/posix/code_pages.h"
#include "platform/posix/environment.h"

namespace {

constexpr UINT DefaultCodePage = 1252;

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

bool IsAnsiLeadByte(unsigned char byte) {
    const CodePage &page = AnsiCodePage();
    for (int i = 0; i + 1 < MAX_LEADBYTES && page.LeadByte[i] != 0; i += 2) {
        if (byte >= page.LeadByte[i] && byte <= page.LeadByte[i + 1]) {
            return true;
        }
    }
    return false;
}
