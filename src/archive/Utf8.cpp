// Cutting UTF-8 text at a character boundary.
#include "archive/Utf8.h"

namespace {

bool IsContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// Bytes of the character a lead byte starts; 0 for a byte no character starts with.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

} // namespace

std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes) {
        return text;
    }
    // The character byte maxBytes belongs to starts at most three bytes before it.
    for (std::size_t back = 1; back <= 3 && back <= maxBytes; ++back) {
        const std::size_t start = maxBytes - back;
        const auto lead = static_cast<unsigned char>(text[start]);
        if (IsContinuation(lead)) {
            continue;
        }
        const std::size_t length = SequenceLength(lead);
        if (length <= back || start + length > text.size()) {
            break;
        }
        for (std::size_t i = start + 1; i < start + length; ++i) {
            if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
                return text.substr(0, maxBytes);
            }
        }
        return text.substr(0, start);
    }
    return text.substr(0, maxBytes);
}
