#pragma once

#include "ResourceModule.h"

// The program's dialog templates, strings and icon, for the framework.
const ResourceModule& QuarnelResources();
