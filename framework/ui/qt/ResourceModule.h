#pragma once

#include "DialogTemplate.h"

#include <QIcon>

#include <span>
#include <string>

struct StringResource {
    int id;
    const char* text;
};

// The program's resources: dialog templates, strings and icons by id.
struct ResourceModule {
    std::span<const DialogTemplate> dialogs;
    std::span<const StringResource> strings;
    QIcon (*loadIcon)(int id);
    const char* version;  // the version record's file version, dotted
};

// The program hands its resources to the framework before its first window.
void AfxSetResourceHandle(const ResourceModule& module);
const DialogTemplate* AfxFindDialogTemplate(int id);
// The string, or empty when there is none with that id.
std::string AfxLoadString(int id);
QIcon AfxLoadIcon(int id);
