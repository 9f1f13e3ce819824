#pragma once

#include "CDialog.h"
#include "SystemHeaders.h"

#include <cstdint>
#include <map>
#include <span>
#include <vector>

struct DialogItemTemplate;

// A dialog's window on Win32: the system's dialog, made from the template
// as an extended dialog template in memory, so that dialog units, font, tab
// order and styles are the system's own. Its dialog procedure hands what
// the system reports to the dialog.
class DialogPort {
public:
    DialogPort(CDialog& dialog, CWnd* parent) : m_dialog(dialog), m_parent(parent) {}
    ~DialogPort();
    DialogPort(const DialogPort&) = delete;
    DialogPort& operator=(const DialogPort&) = delete;

    // Creates the window modelessly and runs the initialisation (done once).
    void Create();
    // Runs the dialog modally; returns how it ended.
    int RunModal();
    HWND Window() const { return m_window; }
    // Makes a second template's items into controls after the window's own
    // (last in tab order), hidden; ShowItems shows or hides them.
    void AddItems(int templateId, std::span<const DialogItemTemplate> items);
    void ShowItems(int templateId, bool show);
    // The client area made a size in dialog units; the window's place stays.
    void SizeClient(int cx, int cy);

    // A number box's arrows (the system's up-down control), or null.
    HWND Arrows(int id) const;

    void ShowWaitCursor(bool show);
    // Keeps a system command to send once the window is shown and the
    // messages waiting then have been handled.
    void PostSysCommand(unsigned id);
    // A handler asks for the system's default handling of what it handles.
    void UseDefault() { m_useDefault = true; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // While a modal loop runs: accelerators, and the dialog keys of the
    // dialogs made with Create.
    static LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam);
    static bool RouteInput(MSG& message);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    std::vector<std::uint8_t> BuildTemplate() const;
    // Puts arrows at the right of a number box's edit; they report their
    // steps to the dialog rather than change the number themselves.
    HWND AttachArrows(HWND edit, bool visible);
    HWND ParentWindow() const;
    // Has the posted commands sent after the messages waiting now.
    void SendPostedLater();

    CDialog& m_dialog;
    CWnd* m_parent;
    HWND m_window = nullptr;
    // What each added template made, by its id.
    std::map<int, std::vector<HWND>> m_addedControls;
    // The number boxes' arrows, by the box's id.
    std::map<int, HWND> m_arrows;
    HCURSOR m_cursorBeforeWait = nullptr;
    std::vector<unsigned> m_postedCommands;
    bool m_useDefault = false;
    bool m_modeless = false;
    // The window's size as made: a resizable one is never made smaller.
    SIZE m_minimumSize{0, 0};
    // Whether the dialog has heard its client area's size yet.
    bool m_sizeSent = false;
};
