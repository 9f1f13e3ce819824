#pragma once

#include "ServiceSlot.h"
#include "SystemValues.h"

#include <optional>
#include <string>

// What a file dialog is asked to show.
struct FileDialogRequest {
    bool forSaving = false;  // a save dialog (the chosen file is to be written) rather than an open dialog
    std::string defaultExtension;  // added to a name typed without one
    std::string initialName;
    std::string filterDescription;
    std::string filterPattern;
};

// Asks the user for a file: the platform's own dialog, made without an
// explicit owner, unless a test has put a service in place that answers.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen file's full path as UTF-8, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;
};

FileDialogService& AfxFileDialogService();
using ScopedFileDialogService = ServiceSlot<FileDialogService>::Scope;

// The framework's file dialog: an open dialog, or with openFileDialog false
// a save dialog; a default extension, an initial file name and one filter
// given as "Description|pattern||". The OFN_ flags are accepted, with no
// effect (see Afx.h): an open dialog offers no read-only box and never
// insists that the file or its folder exists; a save dialog asks before a
// file that is there is written over.
class CFileDialog {
public:
    CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName, unsigned flags,
                const char* filter);
    // IDOK when a file was chosen, IDCANCEL otherwise.
    int DoModal();
    // The chosen file's full path as UTF-8 text.
    std::string GetPathName() const { return m_pathName; }

private:
    FileDialogRequest m_request;
    std::string m_pathName;
};
