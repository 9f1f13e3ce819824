#pragma once

// The framework's names for a window and an icon, the same on every platform.

// An icon: an opaque handle, declared as the system's own headers declare
// it (strict handles), so that the Win32 backend passes the system's icons
// through unchanged and the Qt backend keeps its own icon behind it.
struct HICON__;
typedef HICON__* HICON;

// A window of the framework's; dialogs are the only kind there is.
class CWnd {
public:
    virtual ~CWnd() = default;

protected:
    CWnd() = default;
};
