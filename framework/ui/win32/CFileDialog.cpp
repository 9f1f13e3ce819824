#include "CFileDialog.h"

#include "Afx.h"
#include "Text.h"

#include <commdlg.h>

#include <vector>

std::optional<std::string> CommonFileDialogService::GetOpenFileName(HWND owner, const FileDialogRequest& request)
{
    // "Description\0pattern\0\0", as the common dialog takes its filters.
    std::wstring filter = WideFromUtf8(request.filterDescription);
    filter.push_back(L'\0');
    filter += WideFromUtf8(request.filterPattern);
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    const std::wstring extension = WideFromUtf8(request.defaultExtension);
    std::vector<wchar_t> file(32768, L'\0');  // the longest path the system takes
    const std::wstring initial = WideFromUtf8(request.initialName);
    initial.copy(file.data(), file.size() - 1);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = extension.c_str();
    // No read-only box, and no check that the file or its folder exists: a
    // name that does not exist is refused by the caller's open.
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;
    return Utf8FromWide(file.data());
}

FileDialogService& AfxFileDialogService()
{
    static CommonFileDialogService real;
    return ServiceSlot<FileDialogService>::Current(real);
}

CFileDialog::CFileDialog(bool, const char* defaultExtension, const char* fileName, unsigned, const char* filter)
{
    m_request.defaultExtension = defaultExtension;
    m_request.initialName = fileName;
    // "Description|pattern||": the one filter this program uses.
    const std::string text = filter;
    const std::size_t bar = text.find('|');
    m_request.filterDescription = text.substr(0, bar);
    if (bar != std::string::npos)
        m_request.filterPattern = text.substr(bar + 1, text.find('|', bar + 1) - bar - 1);
}

int CFileDialog::DoModal()
{
    // The dialog is made without an explicit owner.
    const std::optional<std::string> chosen = AfxFileDialogService().GetOpenFileName(nullptr, m_request);
    if (!chosen)
        return IDCANCEL;
    m_pathName = *chosen;
    return IDOK;
}
