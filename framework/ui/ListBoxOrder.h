#pragma once

#include <string>

// Sorted list box order: letters compared regardless of case, digits before
// letters, as the platform's sorted list box compares its lines.
bool ListBoxLineLess(const std::string& a, const std::string& b);
