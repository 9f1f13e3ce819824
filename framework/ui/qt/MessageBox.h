#pragma once

#include "Afx.h"
#include "ServiceSlot.h"

#include <QString>

#include <string>

class QWidget;

// Shows message boxes. The real one uses Qt's dialog; tests put in one
// that records what was shown and answers at once.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void Show(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) = 0;
};

class QtMessageBoxService final : public MessageBoxService {
public:
    void Show(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon) override;
};

MessageBoxService& AfxMessageBoxService();
using ScopedMessageBoxService = ServiceSlot<MessageBoxService>::Scope;

// A modal box with only an OK button, captioned with the program file's
// base name. The text is UTF-8, as the program's paths are.
void AfxMessageBox(const std::string& text, MessageIcon icon);
QString AfxProgramBaseName();
