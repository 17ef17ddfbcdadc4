#pragma once
#include <cstddef>
#include <cstdint>

// Shows the excerpt (`length` bytes without a NUL, then its terminator) in OK/Cancel message boxes
// of about maxLines lines each (see pages.h), captioned with the keyword less its first bytes.
// False as soon as the user cancels; true otherwise.
bool ShowPaged(const char *excerpt, size_t length, const char *keyword, std::int32_t maxLines);
