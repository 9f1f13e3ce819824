#include "MessageBox.h"

#include "PathParts.h"
#include "Text.h"

void SystemMessageBoxService::Show(HWND owner, const std::string& text, const std::string& caption, MessageIcon icon)
{
    MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(),
                MB_OK | (icon == MessageIcon::Stop ? MB_ICONSTOP : MB_ICONEXCLAMATION));
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

void AfxMessageBox(const std::string& text, MessageIcon icon)
{
    AfxMessageBoxService().Show(GetActiveWindow(), text, AfxProgramBaseName(), icon);
}
