#pragma once
#include <string>

namespace win {

// printf-style formatting into a new text of any length.
std::string FormatText(const char* format, ...)
    __attribute__((format(gnu_printf, 1, 2)));

// Local time formatted with strftime rules.
std::string FormatLocalTime(const char* format);

} // namespace win
