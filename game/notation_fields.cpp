// Splitting a notation line into its fields, and reading them.
#include "game/notation_fields.h"

#include <algorithm>

namespace kolvar {

bool NotationFields::split(std::string_view line)
{
    while (!line.empty()) {
        const auto space = std::min(line.find(' '), line.size());
        const std::string_view token = line.substr(0, space);
        line.remove_prefix(std::min(space + 1, line.size()));
        if (token.empty())
            continue;
        const auto eq = token.find('=');
        if (eq == std::string_view::npos)
            return fail("field without '=': " + std::string(token));
        fields_[std::string(token.substr(0, eq))] = std::string(token.substr(eq + 1));
    }
    return true;
}

std::optional<std::string> NotationFields::take(std::string_view key)
{
    auto it = fields_.find(key);
    if (it == fields_.end())
        return std::nullopt;
    std::string v = std::move(it->second);
    fields_.erase(it);
    return v;
}

bool NotationFields::cards(std::string_view key, std::vector<Face>& out)
{
    return read(key, out, ParseCards, "cards");
}

bool NotationFields::cardSet(std::string_view key, CardSet& out)
{
    return read(key, out, ParseCardSet, "cards");
}

bool NotationFields::notes(std::string_view key, HandNotes& out)
{
    return read(key, out, ParseHandNotes, "notes (e.g. 7d,8d/3;Jc/1)");
}

bool NotationFields::suit(std::string_view key, int16_t& out)
{
    return read(key, out, ParseSuit, "suit");
}

bool NotationFields::flag(std::string_view key, std::string_view yes, std::string_view no,
                          bool& out)
{
    auto v = take(key);
    if (v && *v != yes && *v != no)
        return fail(std::string(key) + " takes " + std::string(yes) + " or " + std::string(no));
    if (v)
        out = *v == yes;
    return true;
}

bool NotationFields::pair(std::string_view key, int16_t& a, int16_t& b)
{
    auto v = take(key);
    if (!v)
        return true;
    const auto slash = v->find('/');
    const auto first = ParseNumber(std::string_view(*v).substr(0, slash));
    const auto second = slash == std::string::npos
                            ? std::nullopt
                            : ParseNumber(std::string_view(*v).substr(slash + 1));
    if (!first || !second)
        return fail(std::string(key) + " takes A/B, e.g. " + std::string(key) + "=1/0");
    a = static_cast<int16_t>(*first);
    b = static_cast<int16_t>(*second);
    return true;
}

bool NotationFields::allRead()
{
    return fields_.empty() || fail("unknown field " + fields_.begin()->first);
}

bool NotationFields::fail(std::string what)
{
    error_ = std::move(what);
    return false;
}

} // namespace kolvar
