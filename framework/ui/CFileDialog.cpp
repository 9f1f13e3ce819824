#include "CFileDialog.h"

#include "Afx.h"

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName, unsigned,
                         const char* filter)
{
    m_request.forSaving = !openFileDialog;
    m_request.defaultExtension = defaultExtension;
    m_request.initialName = fileName;
    // "Description|pattern||": one filter a dialog.
    const std::string text = filter;
    const std::size_t bar = text.find('|');
    m_request.filterDescription = text.substr(0, bar);
    if (bar != std::string::npos)
        m_request.filterPattern = text.substr(bar + 1, text.find('|', bar + 1) - bar - 1);
}

int CFileDialog::DoModal()
{
    const std::optional<std::string> chosen = AfxFileDialogService().ChooseFile(m_request);
    if (!chosen)
        return IDCANCEL;
    m_pathName = *chosen;
    return IDOK;
}
