#pragma once

#include <string>

// The editor's messages about a file, in one form: the lead-in ("ERROR:
// cannot save"), a blank, the path in double quotes and "!", then on a
// line of its own the reason when there is one. Shown with the
// exclamation icon.
void ShowFileMessage(const char* leadIn, const std::string& path, const std::string& reason);
