// Whole numbers typed by the user, read without overflow however many digits they have.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The decimal number in text: blanks around it and one sign before it are allowed, nothing else.
// Nothing when text is not such a number. A number beyond the 64-bit range reads as the nearest
// end of the range, so callers limiting it to a smaller range still get the right bound.
std::optional<std::int64_t> ReadWholeNumber(std::string_view text);
