#pragma once
#include <cstddef>
#include <cstdint>

// Bytes left out at the front of both the shown text and the caption.
constexpr int ExcerptSkip = 4;

// Shows the excerpt (`length` bytes without a NUL, then its terminator) in OK/Cancel message boxes
// of about maxLines lines each, cutting a page at its last empty line where it has one. False as
// soon as the user cancels; true otherwise.
bool ShowPaged(const char *excerpt, size_t length, const char *keyword, std::int32_t maxLines);
