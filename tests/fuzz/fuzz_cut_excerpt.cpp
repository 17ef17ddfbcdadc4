// A keyword's section as the view update cuts its excerpt: where the keyword first stands and
// where the separator after it starts, as the rules give them, found with the literal walk.
#include "fuzz_support.h"
#include "literal_viewer.h"
#include "settings_record.h"
#include "viewer/sections.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    FuzzedDataProvider input(data, size);
    UseFuzzedCodePage(input);
    PluginSettings settings;
    const std::string separator = TextFrom(input.ConsumeRandomLengthString(12));
    SetSeparator(settings, separator);
    SetKeyword(settings, 0, TextFrom(input.ConsumeRandomLengthString(12)));
    const std::string body = TextFrom(input.ConsumeRemainingBytesAsString());
    const ExactCopy copy(body);

    KeywordSection sections[KeywordCount];
    FindSections(copy.Bytes, body.size() + 1, settings, sections);
    const KeywordSection &section = sections[0];
    const char *start = LiteralFindText(body.c_str(), settings.Keywords[0]);
    const char *end = start == nullptr ? nullptr : LiteralFindText(start, settings.SeparatorText);
    if (settings.Keywords[0][0] == '\0') {
        Check(section.Fate == KeywordFate::NotSet);
        return 0;
    }
    Check((section.Start == nullptr) == (start == nullptr));
    if (start == nullptr) {
        return 0;
    }
    Check(section.Start - copy.Bytes == start - body.c_str());
    // An empty separator would end the section before it starts: no separator is found.
    const bool ends = end != nullptr && end != start;
    Check((section.SeparatorStart == nullptr) == !ends);
    Check(!ends || section.SeparatorStart - copy.Bytes == end - body.c_str());
    return 0;
}
