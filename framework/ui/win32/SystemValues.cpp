// The framework's headers give programs the system's values under the
// system's names without its headers: held equal here, at build time.
#include "Afx.h"
#include "CListBox.h"
#include "CMenu.h"
#include "CPaintDC.h"

namespace {
// Taken before the system's headers turn the names into their macros.
constexpr long long kFramework[] = {IDOK, IDCANCEL, SC_CLOSE, MF_STRING, MF_SEPARATOR, SM_CXICON, SM_CYICON, LB_ERR};
} // namespace

#include "SystemHeaders.h"

static_assert(kFramework[0] == IDOK && kFramework[1] == IDCANCEL && kFramework[2] == SC_CLOSE);
static_assert(kFramework[3] == MF_STRING && kFramework[4] == MF_SEPARATOR);
static_assert(kFramework[5] == SM_CXICON && kFramework[6] == SM_CYICON && kFramework[7] == LB_ERR);
