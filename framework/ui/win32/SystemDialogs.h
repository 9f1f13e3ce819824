#pragma once

#include "CFileDialog.h"
#include "MessageBox.h"

// The real message box and file dialog: the system's own.
class SystemMessageBoxService final : public MessageBoxService {
public:
    void Show(const std::string& text, const std::string& caption, MessageIcon icon) override;
};

class CommonFileDialogService final : public FileDialogService {
public:
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
};
