#include "MessageBox.h"

void AfxMessageBox(const std::string& text, MessageIcon icon)
{
    AfxMessageBoxService().Show(text, AfxProgramBaseName(), icon);
}
