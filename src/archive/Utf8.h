// Cutting UTF-8 text to a fixed-size slot without splitting a character.
#pragma once

#include <cstddef>
#include <string_view>

// The longest start of text of at most maxBytes bytes that does not end inside a UTF-8 character.
// Only a whole, well-formed multi-byte character across the limit is left out; bytes that are
// not UTF-8 (a text of an older file in a one-byte code page) count one each.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes);
