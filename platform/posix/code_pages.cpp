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

// Windows' numbers for the encodings of other systems, with the names iconv gives them.
const CodePage OtherPages[] = {
    {437, "IBM437", {}},
    {737, "CP737", {}},
    {775, "IBM775", {}},
    {850, "IBM850", {}},
    {852, "IBM852", {}},
    {855, "IBM855", {}},
    {857, "IBM857", {}},
    {858, "IBM858", {}},
    {860, "IBM860", {}},
    {861, "IBM861", {}},
    {862, "IBM862", {}},
    {863, "IBM863", {}},
    {864, "IBM864", {}},
    {865, "IBM865", {}},
    {866, "IBM866", {}},
    {869, "IBM869", {}},
    {1361, "JOHAB", {0x84, 0xD3, 0xD8, 0xDE, 0xE0, 0xF9}},
    {10000, "MACINTOSH", {}},
    {10007, "MAC-CYRILLIC", {}},
    {10029, "MAC-CENTRALEUROPE", {}},
    {20866, "KOI8-R", {}},
    {21866, "KOI8-U", {}},
    {28592, "ISO-8859-2", {}},
    {28593, "ISO-8859-3", {}},
    {28594, "ISO-8859-4", {}},
    {28595, "ISO-8859-5", {}},
    {28596, "ISO-8859-6", {}},
    {28597, "ISO-8859-7", {}},
    {28598, "ISO-8859-8", {}},
    {28603, "ISO-8859-13", {}},
    {28605, "ISO-8859-15", {}},
    {38598, "ISO-8859-8", {}},
    {50225, "ISO-2022-KR", {}, CodePageForm::Shifting},
    {54936, "GB18030", {0x81, 0xFE}, CodePageForm::FourByte},
    {65000, "UTF-7", {}, CodePageForm::Shifting},
};

const CodePage *FindIn(const CodePage *pages, size_t count, UINT number) {
    for (size_t i = 0; i < count; ++i) {
        if (pages[i].Number == number) {
            return &pages[i];
        }
    }
    return nullptr;
}

} // namespace

const CodePage *FindCodePage(UINT number) {
    return FindIn(KnownPages, sizeof KnownPages / sizeof *KnownPages, number);
}

const CodePage *FindConvertedCodePage(UINT number) {
    const CodePage *page = FindCodePage(number);
    return page != nullptr ? page
                           : FindIn(OtherPages, sizeof OtherPages / sizeof *OtherPages, number);
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
