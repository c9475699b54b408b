// Building messages from pieces (words and numbers) for the rules' reports.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace RulesText {

inline void Append(std::string& out, std::string_view text)
{
    out.append(text);
}
inline void Append(std::string& out, std::integral auto number)
{
    out.append(std::to_string(number));
}

// The pieces run together: texts as they are, numbers in decimal.
template <class... Pieces> std::string Concat(const Pieces&... pieces)
{
    std::string out;
    (Append(out, pieces), ...);
    return out;
}

// A cell as "(x, y)".
inline std::string Cell(std::int32_t x, std::int32_t y)
{
    return Concat("(", x, ", ", y, ")");
}

} // namespace RulesText
