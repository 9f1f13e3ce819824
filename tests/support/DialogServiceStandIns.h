#pragma once

// Stand-ins for the window layer's message boxes and file dialog, which
// answer at once and record what they were asked (tests and benchmarks of
// any backend; the program links the window layer itself).

#include "CFileDialog.h"
#include "MessageBox.h"

#include <optional>
#include <string>
#include <vector>

class RecordingMessageBoxes final : public MessageBoxService {
public:
    struct Shown {
        std::string text, caption;
        MessageIcon icon;
    };
    void Show(const std::string& text, const std::string& caption, MessageIcon icon) override
    {
        shown.push_back({text, caption, icon});
    }
    std::vector<Shown> shown;
};

// Chooses `path` every time; no path is a cancel.
class FixedFileDialog final : public FileDialogService {
public:
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override
    {
        requests.push_back(request);
        return path;
    }
    std::optional<std::string> path;
    std::vector<FileDialogRequest> requests;
};

// Both stand-ins, answering in place of the real dialogs for as long as this lives.
struct DialogStandIns {
    RecordingMessageBoxes messages;
    FixedFileDialog files;
    ScopedMessageBoxService messageScope{messages};
    ScopedFileDialogService fileScope{files};
};
