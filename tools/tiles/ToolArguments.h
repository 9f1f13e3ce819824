#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// What a command takes: a fixed number of operands (words that do not start
// with "--"), options that take the next word as their value, and options
// that stand alone. An option given twice keeps its last value.
struct CommandSyntax {
    std::size_t operands = 0;
    std::vector<std::string_view> valueOptions;
    std::vector<std::string_view> flagOptions;
};

// A command's words, sorted by the command's syntax.
class ToolArguments {
public:
    const std::string& Operand(std::size_t index) const { return m_operands[index]; }
    // The option's value, or `fallback` when it was not given.
    std::string Value(std::string_view option, std::string fallback = {}) const;
    bool Has(std::string_view flagOption) const { return m_flags.count(std::string(flagOption)) != 0; }

    // The words after the command's name, or nothing when they do not fit
    // the syntax: an unknown option, a value option at the end, too many or
    // too few operands.
    static std::optional<ToolArguments> Parse(const std::vector<std::string>& words, const CommandSyntax& syntax);

private:
    std::vector<std::string> m_operands;
    std::map<std::string, std::string, std::less<>> m_values;
    std::set<std::string> m_flags;
};

// Whether the words ask for help (--help or -h anywhere among them).
bool AsksForHelp(const std::vector<std::string>& words);
