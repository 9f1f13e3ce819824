#pragma once

#include "Afx.h"
#include "ServiceSlot.h"

#include <windows.h>

#include <string>

// Shows message boxes: the system's own, unless a test has put another
// service in place. Text and caption are UTF-8.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void Show(HWND owner, const std::string& text, const std::string& caption, MessageIcon icon) = 0;
};

class SystemMessageBoxService final : public MessageBoxService {
public:
    void Show(HWND owner, const std::string& text, const std::string& caption, MessageIcon icon) override;
};

MessageBoxService& AfxMessageBoxService();
using ScopedMessageBoxService = ServiceSlot<MessageBoxService>::Scope;

// A modal box with only an OK button, captioned with the program file's
// base name. The text is UTF-8, as the program's paths are.
void AfxMessageBox(const std::string& text, MessageIcon icon);
std::string AfxProgramBaseName();
