#pragma once

#include "CFileDialog.h"
#include "MessageBox.h"

// The real message box and file dialog, on Qt's widgets.
class QtMessageBoxService final : public MessageBoxService {
public:
    void Show(const std::string& text, const std::string& caption, MessageIcon icon) override;
};

// Qt's own file dialog rather than the desktop's, so that it behaves the same everywhere.
class QtFileDialogService final : public FileDialogService {
public:
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
};
