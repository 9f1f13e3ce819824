#pragma once

#include "CDialog.h"
#include "WaitCursorHook.h"

// The store's wait-cursor hook, shown by a dialog.
class DialogWaitCursor final : public WaitCursorHook {
public:
    explicit DialogWaitCursor(CDialog& dialog) : m_dialog(dialog) {}
    void BeginWaitCursor() override { m_dialog.BeginWaitCursor(); }
    void EndWaitCursor() override { m_dialog.EndWaitCursor(); }

private:
    CDialog& m_dialog;
};
