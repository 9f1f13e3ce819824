#pragma once

#include <utility>

// Gives a variable a value for the scope's life and puts the earlier value
// back however the scope is left, an exception included.
template <typename T>
class ScopedValue {
public:
    ScopedValue(T& variable, T value) : m_variable(variable), m_earlier(std::exchange(variable, std::move(value))) {}
    ~ScopedValue() { m_variable = std::move(m_earlier); }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& m_variable;
    T m_earlier;
};
