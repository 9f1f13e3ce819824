#pragma once

#include "Afx.h"
#include "ServiceSlot.h"

#include <string>

// Shows message boxes: the platform's own, unless a test has put a service
// in place that records what was shown and answers at once. Text and
// caption are UTF-8; the owner window is the platform's choice.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
};

MessageBoxService& AfxMessageBoxService();
using ScopedMessageBoxService = ServiceSlot<MessageBoxService>::Scope;

// A modal box with only an OK button, captioned with the program file's
// base name. The text is UTF-8, as the program's paths are.
void AfxMessageBox(const std::string& text, MessageIcon icon);
// The program file's name without its folder and its last extension.
std::string AfxProgramBaseName();
