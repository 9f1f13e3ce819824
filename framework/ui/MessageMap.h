#pragma once

#include "Afx.h"

#include "WindowTypes.h"

#include <variant>

class CDialog;

// A static table binding what a dialog receives (a control's notification,
// a system command, a paint, a drag-icon query) to one handler member, as
// the framework's message maps do. Derived dialogs' handlers are stored as
// CDialog members; each map links to its base class's map.
using AFX_PMSG = void (CDialog::*)();
using AFX_PMSG_SYSCOMMAND = void (CDialog::*)(unsigned id, long lParam);
using AFX_PMSG_QUERYICON = HICON (CDialog::*)();
// A handler of a range of controls: told which one reported.
using AFX_PMSG_RANGE = void (CDialog::*)(int id);
// A resizable dialog's new client size, in pixels.
using AFX_PMSG_SIZE = void (CDialog::*)(unsigned type, int cx, int cy);

// NotifyRange: one notification from any control id .. lastId.
enum class MessageKind { End, Notify, NotifyRange, SysCommand, Paint, QueryDragIcon, Size };

struct MessageMapEntry {
    MessageKind kind;
    Notification code;
    int id;
    std::variant<AFX_PMSG, AFX_PMSG_SYSCOMMAND, AFX_PMSG_QUERYICON, AFX_PMSG_RANGE, AFX_PMSG_SIZE> handler;
    int lastId = 0;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const MessageMap* GetThisMessageMap();                                                  \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const MessageMap* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {MessageKind::End, Notification::ButtonClicked, 0, AFX_PMSG{}}                                 \
    }                                                                                              \
    ;                                                                                              \
    static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                     \
    return &map;                                                                                   \
    }

#define ON_NOTIFICATION_(code, id, memberFn)                                                       \
    {MessageKind::Notify, code, id, static_cast<AFX_PMSG>(&ThisClass::memberFn)},
// ON_CONTROL_RANGE(Notification::ButtonClicked, first, last, handler): the
// handler takes the id of the control that reported.
#define ON_CONTROL_RANGE(code, firstId, lastId, memberFn)                                          \
    {MessageKind::NotifyRange, code, firstId, static_cast<AFX_PMSG_RANGE>(&ThisClass::memberFn), lastId},
#define ON_BN_CLICKED(id, memberFn) ON_NOTIFICATION_(Notification::ButtonClicked, id, memberFn)
#define ON_EN_CHANGE(id, memberFn) ON_NOTIFICATION_(Notification::EditChange, id, memberFn)
#define ON_LBN_SELCHANGE(id, memberFn) ON_NOTIFICATION_(Notification::ListSelChange, id, memberFn)
#define ON_CBN_SELCHANGE(id, memberFn) ON_NOTIFICATION_(Notification::ComboSelChange, id, memberFn)
// OnSize(type, cx, cy): a kThickFrame dialog's client area after each resize
// (and once when it is first shown); type is SIZE_RESTORED (0) or another of
// the system's.
#define ON_WM_SIZE()                                                                               \
    {MessageKind::Size, Notification::ButtonClicked, 0, static_cast<AFX_PMSG_SIZE>(&ThisClass::OnSize)},
#define ON_WM_SYSCOMMAND()                                                                         \
    {MessageKind::SysCommand, Notification::ButtonClicked, 0,                                      \
     static_cast<AFX_PMSG_SYSCOMMAND>(&ThisClass::OnSysCommand)},
#define ON_WM_PAINT()                                                                              \
    {MessageKind::Paint, Notification::ButtonClicked, 0, static_cast<AFX_PMSG>(&ThisClass::OnPaint)},
#define ON_WM_QUERYDRAGICON()                                                                      \
    {MessageKind::QueryDragIcon, Notification::ButtonClicked, 0,                                   \
     static_cast<AFX_PMSG_QUERYICON>(&ThisClass::OnQueryDragIcon)},
