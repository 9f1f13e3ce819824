// Holds the framework's copies of the system's values equal to the
// system's own, at build time.
#include "SystemValues.h"

namespace {
// Taken before the system's headers turn the names into their macros.
constexpr long long kFramework[] = {IDOK,   IDCANCEL,  SC_CLOSE,  MF_STRING,       MF_SEPARATOR,
                                    LB_ERR, SM_CXICON, SM_CYICON, OFN_HIDEREADONLY,
                                    SW_HIDE, SW_SHOWNOACTIVATE, SW_SHOW, FSHIFT, FCONTROL, FALT, VK_F3};
} // namespace

#include "SystemHeaders.h"

#include <commdlg.h>

static_assert(kFramework[0] == IDOK && kFramework[1] == IDCANCEL && kFramework[2] == SC_CLOSE);
static_assert(kFramework[3] == MF_STRING && kFramework[4] == MF_SEPARATOR && kFramework[5] == LB_ERR);
static_assert(kFramework[6] == SM_CXICON && kFramework[7] == SM_CYICON && kFramework[8] == OFN_HIDEREADONLY);
static_assert(kFramework[9] == SW_HIDE && kFramework[10] == SW_SHOWNOACTIVATE && kFramework[11] == SW_SHOW);
static_assert(kFramework[12] == FSHIFT && kFramework[13] == FCONTROL && kFramework[14] == FALT);
static_assert(kFramework[15] == VK_F3);
