#pragma once

#include "ServiceSlot.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

// What a file-open dialog is asked to show.
struct FileDialogRequest {
    QString defaultExtension;  // added to a name typed without one
    QString initialName;
    QString filterDescription;
    QString filterPattern;
};

// Asks the user for a file. The real one uses Qt's file dialog; tests put
// in one that answers at once.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<QString> GetOpenFileName(QWidget* owner, const FileDialogRequest& request) = 0;
};

// Qt's own dialog rather than the desktop's, so that it behaves the same everywhere.
class QtFileDialogService final : public FileDialogService {
public:
    std::optional<QString> GetOpenFileName(QWidget* owner, const FileDialogRequest& request) override;
};

FileDialogService& AfxFileDialogService();
using ScopedFileDialogService = ServiceSlot<FileDialogService>::Scope;

// The framework's file-open dialog: a default extension, an initial file
// name and one filter given as "Description|pattern||". The open flag and
// the OFN_ flags are accepted, with no effect on this platform (see Afx.h).
class CFileDialog {
public:
    CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName, unsigned flags,
                const char* filter);
    // IDOK when a file was chosen, IDCANCEL otherwise.
    int DoModal();
    // The chosen file's full path as 8-bit text.
    std::string GetPathName() const { return m_pathName; }

private:
    FileDialogRequest m_request;
    std::string m_pathName;
};

inline constexpr unsigned OFN_HIDEREADONLY = 0x0004;
