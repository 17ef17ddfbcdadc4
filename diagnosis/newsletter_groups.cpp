#include "diagnosis/newsletter_groups.h"

#include <algorithm>
#include <set>

namespace {

// Two issues whose layouts share this much (of the smaller) come from one newsletter.
constexpr double SameNewsletter = 0.3;

// An issue is compared with so many issues of a group at most.
constexpr size_t Compared = 3;

// The lines at either end of an issue whose words are known: the banner's and the footer's,
// which a newsletter repeats from issue to issue.
constexpr size_t EndLines = 5;

// What an issue is known by: its layout (the frames it draws, the forms and the words of its
// headings), and the words of the lines at its top and its bottom.
struct Fingerprint {
    std::set<WideText> Layout;
    std::set<WideText> Ends;
};

Fingerprint FingerprintOf(const IssueLayout &layout, const std::vector<TextLine> &lines) {
    Fingerprint print;
    std::vector<size_t> worded;
    for (size_t line = 1; line <= lines.size(); ++line) {
        if (layout.Shapes[line - 1].Shape == LineShape::Frame) {
            print.Layout.insert(WCHAR('f') + TrimmedLine(lines[line - 1]));
        }
        if (!layout.Shapes[line - 1].Form.Words.empty()) {
            worded.push_back(line);
        }
    }
    for (const size_t heading : layout.Headings) {
        const HeadingForm &form = layout.Shapes[heading - 1].Form;
        print.Layout.insert(WCHAR('o') + form.Opening);
        print.Layout.insert(WCHAR('w') + form.Words);
    }
    for (size_t i = 0; i < worded.size(); ++i) {
        if (i < EndLines || i + EndLines >= worded.size()) {
            print.Ends.insert(layout.Shapes[worded[i] - 1].Form.Words);
        }
    }
    return print;
}

double SharedTokens(const std::set<WideText> &one, const std::set<WideText> &other) {
    const size_t smaller = std::min(one.size(), other.size());
    if (smaller == 0) {
        return 0;
    }
    size_t shared = 0;
    for (const WideText &token : one) {
        shared += other.count(token);
    }
    return static_cast<double>(shared) / static_cast<double>(smaller);
}

// How much two issues share: of their layouts, or of the lines at their ends, whichever is more.
double Shared(const Fingerprint &one, const Fingerprint &other) {
    return std::max(SharedTokens(one.Layout, other.Layout), SharedTokens(one.Ends, other.Ends));
}

} // namespace

std::vector<std::vector<size_t>>
NewsletterGroups(const std::vector<const IssueLayout *> &issues,
                 const std::vector<const std::vector<TextLine> *> &lines) {
    std::vector<Fingerprint> prints;
    prints.reserve(issues.size());
    for (size_t i = 0; i < issues.size(); ++i) {
        prints.push_back(FingerprintOf(*issues[i], *lines[i]));
    }
    std::vector<std::vector<size_t>> groups;
    for (size_t i = 0; i < issues.size(); ++i) {
        size_t best = groups.size();
        double most = SameNewsletter;
        for (size_t g = 0; g < groups.size(); ++g) {
            for (size_t k = 0; k < groups[g].size() && k < Compared; ++k) {
                const double shared = Shared(prints[i], prints[groups[g][k]]);
                if (shared >= most) {
                    most = shared;
                    best = g;
                }
            }
        }
        if (best == groups.size()) {
            groups.emplace_back();
        }
        groups[best].push_back(i);
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const auto &one, const auto &other) { return one.size() > other.size(); });
    return groups;
}
