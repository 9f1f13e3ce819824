#pragma once

#include <optional>
#include <string_view>

// The number typed in a Hue box: digits alone (the box takes at most five,
// though a paste may bring others in), none being 0, no hue; nothing for
// any other text.
inline std::optional<int> HueBoxNumber(std::u16string_view text)
{
    int number = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        number = number * 10 + (c - u'0');
    }
    return number;
}
