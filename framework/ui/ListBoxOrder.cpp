#include "ListBoxOrder.h"

#include <algorithm>
#include <cctype>

namespace {

// Bytes in order with letters folded to lower case: blanks and dashes, then
// digits, then letters, whatever their case.
int SortKey(unsigned char c)
{
    return std::tolower(c);
}

} // namespace

bool ListBoxLineLess(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return SortKey(static_cast<unsigned char>(x)) < SortKey(static_cast<unsigned char>(y));
    });
}
