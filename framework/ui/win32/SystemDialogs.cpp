#include "SystemDialogs.h"

#include "PathParts.h"
#include "SystemHeaders.h"
#include "WideText.h"

#include <commdlg.h>

#include <vector>

namespace {

UINT IconStyle(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Stop:
        return MB_ICONSTOP;
    case MessageIcon::Information:
        return MB_ICONINFORMATION;
    case MessageIcon::Exclamation:
        break;
    }
    return MB_ICONEXCLAMATION;
}

} // namespace

void SystemMessageBoxService::Show(const std::string& text, const std::string& caption, MessageIcon icon)
{
    MessageBoxW(GetActiveWindow(), WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(), MB_OK | IconStyle(icon));
}

MessageBoxService& AfxMessageBoxService()
{
    static SystemMessageBoxService real;
    return ServiceSlot<MessageBoxService>::Current(real);
}

std::string AfxProgramBaseName()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return BaseNameWithoutExtension(Utf8FromWide(path));
}

void AfxShowCommandLineText(const std::string& text)
{
    // A windowed program has no console to write to.
    AfxMessageBox(text, MessageIcon::Information);
}

std::optional<std::string> CommonFileDialogService::ChooseFile(const FileDialogRequest& request)
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
    dialog.hwndOwner = nullptr;  // made without an explicit owner
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = extension.c_str();
    // No read-only box, and no check that the file or its folder exists: a
    // name that does not exist is refused by the caller's open. A save
    // dialog asks before a file that is there is written over.
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | (request.forSaving ? OFN_OVERWRITEPROMPT : 0);
    if (!(request.forSaving ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)))
        return std::nullopt;
    return Utf8FromWide(file.data());
}

FileDialogService& AfxFileDialogService()
{
    static CommonFileDialogService real;
    return ServiceSlot<FileDialogService>::Current(real);
}
