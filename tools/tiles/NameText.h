#pragma once

#include <optional>
#include <string>
#include <string_view>

// Tile-name bytes as UTF-8 text that survives any round trip: printable
// Western code page characters as themselves, a backslash as "\\", and any
// other byte as "\xNN".
std::string EscapeName(std::string_view bytes);

// The bytes back from such text; nothing, with `error` set, when the text
// holds a malformed escape, invalid UTF-8, or a character the code page lacks.
std::optional<std::string> UnescapeName(std::string_view text, std::string& error);

// Bytes as upper-case hex pairs, and back (nothing for anything else).
std::string ToHex(std::string_view bytes);
std::optional<std::string> FromHex(std::string_view hex);
