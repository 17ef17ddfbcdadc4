#include "mail_text.h"

#include <map>
#include <random>

#include "settings/settings.h"

namespace {

const char *const Separator = DefaultSeparator;

// A random double-byte character: hiragana, katakana, kanji or punctuation, as they mix in
// Japanese prose. Punctuation shares its lead byte 0x81 with the symbols that open headings.
void AppendJapanese(std::mt19937 &random, std::string &text) {
    switch (random() % 8) {
    case 7: {
        const char *const marks[] = {"\x81\x41", "\x81\x42", "\x81\x75", "\x81\x76", "\x81\x45"};
        text += marks[random() % 5];
        break;
    }
    case 0:
    case 1:
    case 2:
        text += '\x82';
        text += static_cast<char>(0x9F + random() % 0x53);
        break;
    case 3:
        text += '\x83';
        text += static_cast<char>(0x40 + random() % 0x3F);
        break;
    default:
        text += static_cast<char>(0x88 + random() % 0x18);
        text += static_cast<char>(0x80 + random() % 0x7D);
        break;
    }
}

const char *const Words[] = {"the",       "weekly", "issue", "reader", "column",
                             "news",      "update", "mail",  "event",  "tokyo",
                             "osaka",     "2026",   "price", "link",   "http://example.jp/vesk",
                             "subscribe", "(c)",    "--",    "#42"};

void AppendWord(std::mt19937 &random, std::string &text) {
    text += Words[random() % (sizeof Words / sizeof *Words)];
    text += ' ';
}

// One line of 40 to 80 bytes without its line break.
std::string Line(std::mt19937 &random) {
    const size_t length = 40 + random() % 41;
    const unsigned kind = random() % 3;
    std::string line;
    while (line.size() + 1 < length) {
        const bool japanese = kind == 1 || (kind == 2 && random() % 2 == 0);
        if (japanese) {
            AppendJapanese(random, line);
        } else {
            AppendWord(random, line);
        }
    }
    return line;
}

// The first `length` bytes of `unit` repeated.
std::string Repeat(const std::string &unit, size_t length) {
    std::string text;
    while (text.size() < length) {
        text += unit;
    }
    text.resize(length);
    return text;
}

// The Japanese keywords, each less its last byte and so a near miss.
std::string NearMissLine(std::mt19937 &random) {
    const std::vector<std::string> &keywords = BenchKeywords();
    std::string line;
    const size_t length = 40 + random() % 41;
    while (line.size() < length) {
        const std::string &keyword = keywords[2 * (random() % 4)];
        line += keyword.substr(0, keyword.size() - 1);
    }
    return line;
}

// A Japanese keyword after a lead byte, which makes its first byte a character's second one.
std::string TrailingLine(std::mt19937 &random) {
    return Repeat("\x88" + BenchKeywords()[2 * (random() % 4)], 40 + random() % 41);
}

// A line that opens with the separator less its next-to-last byte, and so passes the sieve of its
// ends, then ordinary text.
std::string SeparatorLine(std::mt19937 &random) {
    std::string near = Separator;
    near[near.size() - 2] = '-';
    return near + " " + Line(random);
}

std::string FillerLine(Shape shape, std::mt19937 &random) {
    switch (shape) {
    case Shape::NearMisses:
        return NearMissLine(random);
    case Shape::TrailingKeywords:
        return TrailingLine(random);
    case Shape::NearSeparators:
        return SeparatorLine(random);
    default:
        return Line(random);
    }
}

std::string MakeShaped(Shape shape, size_t size) {
    std::mt19937 random(42);
    const std::vector<std::string> &keywords = BenchKeywords();
    std::string text = "Weekly Vesk No. 42\r\n";
    text.reserve(size + 200);
    if (shape == Shape::LeadRun) {
        // All of the body before the keywords, as one run.
        text += Repeat("\x88\x9F", size / 4 * 3 - text.size()) + "\r\n";
    }
    size_t nextKeyword = 0;
    size_t linesToSeparator = 150 + random() % 101;
    while (text.size() < size) {
        // Keyword k opens a line once the text passes 3/4 + k/40 of its size.
        const size_t keywordAt = size / 4 * 3 + nextKeyword * (size / 40);
        std::string line;
        if (nextKeyword < keywords.size() && text.size() >= keywordAt) {
            line = keywords[nextKeyword++] + " " + Line(random);
        } else if (--linesToSeparator == 0) {
            line = Separator;
            linesToSeparator = 150 + random() % 101;
        } else if (random() % 12 != 0) {
            line = FillerLine(shape, random);
        }
        text += line + "\r\n";
    }
    return text + Separator + "\r\n";
}

std::string MakeHostile(size_t size) {
    std::string text;
    text.reserve(size + 16);
    while (text.size() + 2 <= size) {
        text += "\x88\x9F";
    }
    return text + "x" + HostileKeyword;
}

const std::string &Cached(std::map<size_t, std::string> &texts, size_t size,
                          std::string (*make)(size_t)) {
    auto found = texts.find(size);
    if (found == texts.end()) {
        found = texts.emplace(size, make(size)).first;
    }
    return found->second;
}

} // namespace

const char *const AbsentKeyword = "\x95\x73\x8D\xDD\x82\xCC\x8C\xA9\x8F\x6F\x82\xB5";
const char *const HostileKeyword = "\x9F\x88\x9F\x88\x9F\x88\x9F\x88\x9F\x88\x9F\x88";

const std::vector<std::string> &BenchKeywords() {
    static const std::vector<std::string> keywords = {
        "\x81\xA1\x8D\xA1\x8F\x54\x82\xCC\x92\x8D\x96\xDA", // ■今週の注目
        "== Topics ==",
        "\x81\x9F\x93\xC7\x8E\xD2\x82\xCC\x90\xBA\x97\x93", // ◆読者の声欄
        "## Calendar:",
        "\x81\x9C\x95\xD2\x8F\x57\x8C\xE3\x8B\x4C\x81\x40", // ●編集後記
        "** Letters *",
        "\x81\x9A\x90\x56\x8A\xA7\x88\xC4\x93\xE0\x81\x40", // ★新刊案内
        "-- Sponsor -",
        "[Editorial] ",
    };
    return keywords;
}

const std::string &MailText(size_t size) { return ShapedMail(Shape::Ordinary, size); }

const std::string &ShapedMail(Shape shape, size_t size) {
    static std::map<size_t, std::string> texts[ShapeCount];
    auto &made = texts[static_cast<int>(shape)];
    auto found = made.find(size);
    if (found == made.end()) {
        found = made.emplace(size, MakeShaped(shape, size)).first;
    }
    return found->second;
}

const std::string &HostileText(size_t size) {
    static std::map<size_t, std::string> texts;
    return Cached(texts, size, MakeHostile);
}
