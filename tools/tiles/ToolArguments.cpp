#include "ToolArguments.h"

#include <algorithm>

namespace {

bool IsOption(const std::string& word)
{
    return word.rfind("--", 0) == 0;
}

bool Lists(const std::vector<std::string_view>& options, const std::string& word)
{
    return std::find(options.begin(), options.end(), word) != options.end();
}

} // namespace

std::string ToolArguments::Value(std::string_view option, std::string fallback) const
{
    const auto found = m_values.find(option);
    return found == m_values.end() ? fallback : found->second;
}

std::optional<ToolArguments> ToolArguments::Parse(const std::vector<std::string>& words, const CommandSyntax& syntax)
{
    ToolArguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (Lists(syntax.valueOptions, word) && i + 1 < words.size())
            arguments.m_values[word] = words[++i];
        else if (Lists(syntax.flagOptions, word))
            arguments.m_flags.insert(word);
        else if (!IsOption(word) && arguments.m_operands.size() < syntax.operands)
            arguments.m_operands.push_back(word);
        else
            return std::nullopt;
    }
    if (arguments.m_operands.size() != syntax.operands)
        return std::nullopt;
    return arguments;
}

bool AsksForHelp(const std::vector<std::string>& words)
{
    return std::any_of(words.begin(), words.end(), [](const std::string& word) { return word == "--help" || word == "-h"; });
}
