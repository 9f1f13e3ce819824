#include "ResourceModule.h"

namespace {
const ResourceModule* g_module = nullptr;
}

void AfxSetResourceHandle(const ResourceModule& module)
{
    g_module = &module;
}

const DialogTemplate* AfxFindDialogTemplate(int id)
{
    if (g_module)
        for (const DialogTemplate& dialog : g_module->dialogs)
            if (dialog.id == id)
                return &dialog;
    return nullptr;
}

std::string AfxLoadString(int id)
{
    if (g_module)
        for (const StringResource& string : g_module->strings)
            if (string.id == id)
                return string.text;
    return {};
}

HICON AfxLoadIcon(int id)
{
    return g_module && g_module->loadIcon ? g_module->loadIcon(id) : HICON();
}

std::string AfxGetVersion()
{
    return g_module && g_module->version ? g_module->version : "";
}
