#include "FileMessage.h"

#include "MessageBox.h"

void ShowFileMessage(const char* leadIn, const std::string& path, const std::string& reason)
{
    const std::string text = std::string(leadIn) + " \"" + path + "\"!";
    AfxMessageBox(reason.empty() ? text : text + "\n" + reason, MessageIcon::Exclamation);
}
