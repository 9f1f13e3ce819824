#pragma once

#include "WindowTypes.h"

// The program's icon with that resource id (only 128 exists), from the
// platform's own resources; an empty icon for any other id.
HICON LoadIconResource(int id);
