#pragma once

// What the store asks of the user interface while it works: a wait cursor.
class WaitCursorHook {
public:
    virtual ~WaitCursorHook() = default;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

// For callers with nothing to show: the store's operations take it when
// no hook is given.
class NoWaitCursor final : public WaitCursorHook {
public:
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    static WaitCursorHook& Instance()
    {
        static NoWaitCursor none;
        return none;
    }
};

// Shows the wait cursor for the scope's life, however the scope is left.
class WaitCursorScope {
public:
    explicit WaitCursorScope(WaitCursorHook& hook) : m_hook(hook) { m_hook.BeginWaitCursor(); }
    ~WaitCursorScope() { m_hook.EndWaitCursor(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    WaitCursorHook& m_hook;
};
