#pragma once

#include <string>
#include <string_view>

// Text at the seam with Windows' wide-character calls: the program's UTF-8
// (paths, messages) and the code-page bytes of control texts, as UTF-16.
// Windows only.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
std::wstring WideFromCodePage1252(std::string_view bytes);
