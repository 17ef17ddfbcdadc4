// ShowPaged against the literal walk: the same boxes in the same order, and none after a Cancel.
#include <cstdint>
#include <vector>

#include "fuzz_support.h"
#include "literal_viewer.h"
#include "platform/windows_api.h"
#include "viewer/paged_display.h"

namespace {

struct Box {
    std::string Caption;
    std::string Text;
    bool operator==(const Box &other) const {
        return Caption == other.Caption && Text == other.Text;
    }
};

std::vector<Box> Shown;
std::string Answers; // one byte a box: odd for Cancel
bool Cancelled = false;

} // namespace

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
    Check(!Cancelled);
    Shown.push_back({caption, text});
    const size_t index = Shown.size() - 1;
    Cancelled = index < Answers.size() && Answers[index] % 2 != 0;
    return Cancelled ? IDCANCEL : IDOK;
}

namespace {

void StartShowing() {
    Shown.clear();
    Cancelled = false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    FuzzedDataProvider input(data, size);
    UseKernels(input.ConsumeBool());
    const auto maxLines = input.ConsumeIntegralInRange<std::int32_t>(-2, 40);
    Answers = input.ConsumeRandomLengthString(8);
    const std::string keyword = TextFrom(input.ConsumeRandomLengthString(8));
    const std::string excerpt = TextFrom(input.ConsumeRemainingBytesAsString());
    const ExactCopy copy(excerpt);

    StartShowing();
    const bool fast = ShowPaged(copy.Bytes, excerpt.size(), keyword.c_str(), maxLines);
    const std::vector<Box> fastBoxes = Shown;
    StartShowing();
    const bool literal = LiteralShowPaged(excerpt.c_str(), keyword.c_str(), maxLines);
    Check(fast == literal);
    Check(fastBoxes == Shown);
    return 0;
}
