#pragma once

// Where the framework finds a replaceable service (message boxes, the file
// dialog): the real one unless a scope has put another in place.
template <typename Service>
class ServiceSlot {
public:
    static Service& Current(Service& real) { return s_current ? *s_current : real; }

    // Puts another service in place for the scope's life.
    class Scope {
    public:
        explicit Scope(Service& service) : m_previous(s_current) { s_current = &service; }
        ~Scope() { s_current = m_previous; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Service* m_previous;
    };

private:
    static inline Service* s_current = nullptr;
};
