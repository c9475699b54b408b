// Small file helpers: finding a data file whose name differs only in letter case.
#pragma once

#include <string>

// The path itself when such a file exists; otherwise the first entry (in byte order) of the same
// folder whose name equals the path's file name without regard to ASCII letter case; otherwise
// the path unchanged.
std::string ResolveFileName(const std::string& path);

// ASCII upper case, the same on every machine whatever the user's locale.
inline char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b);
