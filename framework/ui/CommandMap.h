#pragma once

// A command map for an application object: ID_HELP and the like.
#define DECLARE_COMMAND_MAP() bool OnCmdMsg(int id) override;
#define BEGIN_COMMAND_MAP(theClass, baseClass)                                                     \
    bool theClass::OnCmdMsg(int id)                                                                \
    {                                                                                              \
        using TheBaseClass = baseClass;                                                            \
        switch (id) {
#define ON_COMMAND(commandId, memberFn)                                                            \
    case commandId:                                                                                \
        memberFn();                                                                                \
        return true;
#define END_COMMAND_MAP()                                                                          \
    default:                                                                                       \
        return TheBaseClass::OnCmdMsg(id);                                                         \
        }                                                                                          \
    }
