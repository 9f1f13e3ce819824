#pragma once

#include "DialogTemplate.h"
#include "WindowTypes.h"

#include <span>
#include <string>

struct StringResource {
    int id;
    const char* text;
};

// The program's resources: dialog templates and strings as data, how to
// load its icons, and its version.
struct ResourceModule {
    std::span<const DialogTemplate> dialogs;
    std::span<const StringResource> strings;
    HICON (*loadIcon)(int id);
    const char* version;  // the version record's file version, dotted
};

// The program hands its resources to the framework before its first window.
void AfxSetResourceHandle(const ResourceModule& module);
const DialogTemplate* AfxFindDialogTemplate(int id);
// The string, or empty when there is none with that id.
std::string AfxLoadString(int id);
HICON AfxLoadIcon(int id);
// The program's version, dotted; empty before the resources are handed over.
std::string AfxGetVersion();
