#include "platform/posix/code_pages.h"

namespace {

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

} // namespace

const CodePage *FindCodePage(UINT number) {
    for (const CodePage &page : KnownPages) {
        if (page.Number == number) {
            return &page;
        }
    }
    return nullptr;
}

bool IsLeadByteOf(const CodePage &page, unsigned char byte) {
    for (int i = 0; i + 1 < MAX_LEADBYTES && page.LeadByte[i] != 0; i += 2) {
        if (byte >= page.LeadByte[i] && byte <= page.LeadByte[i + 1]) {
            return true;
        }
    }
    return false;
}

char16_t UnassignedByteChar(const CodePage &page, unsigned char byte) {
    if (page.Number == 932) {
        switch (byte) {
        case 0x80:
            return 0x0080;
        case 0xA0:
            return 0xF8F0;
        case 0xFD:
        case 0xFE:
        case 0xFF:
            return static_cast<char16_t>(0xF8F1 + (byte - 0xFD));
        default:
            return 0;
        }
    }
    return byte >= 0x80 && byte <= 0x9F ? byte : 0;
}

char16_t UnreadableChar(const CodePage &page) { return page.Number == 932 ? 0x30FB : u'?'; }

std::string KnownCodePages() {
    std::string list;
    for (const CodePage &page : KnownPages) {
        list += (list.empty() ? "" : ", ") + std::to_string(page.Number);
    }
    return list;
}
