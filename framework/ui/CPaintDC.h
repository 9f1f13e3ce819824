#pragma once

#include "SystemValues.h"
#include "WindowTypes.h"

#include <memory>

class CDialog;
class PaintPort;

// Paints into a dialog within its paint handler.
class CPaintDC {
public:
    explicit CPaintDC(CDialog* dialog);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    void EraseBackground();
    void DrawIcon(int x, int y, HICON icon);

private:
    std::unique_ptr<PaintPort> m_port;
};

// The size of things the window system draws, in pixels; on Windows the
// system's own function, declared here as its headers declare it.
#ifdef _WIN32
extern "C" __declspec(dllimport) int __stdcall GetSystemMetrics(int index);
#else
int GetSystemMetrics(int index);
#endif
