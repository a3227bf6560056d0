// The fields of a one-line notation: key=value tokens separated by spaces,
// in any order, each read at most once. A reader takes the fields it knows;
// whatever is left at the end is unknown, and the line is refused.
#pragma once

#include "game/card_text.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

class NotationFields {
public:
    // False, with the reason in error(), on a token without '='.
    bool split(std::string_view line);

    // The field's value, removed; nothing when the line has none.
    std::optional<std::string> take(std::string_view key);

    // Each reads its field into `out` and keeps `out` when the line has no
    // such field; false, with the reason, when the value is malformed.
    bool cards(std::string_view key, std::vector<Face>& out);
    bool cardSet(std::string_view key, CardSet& out);
    bool notes(std::string_view key, HandNotes& out);
    bool suit(std::string_view key, int16_t& out);
    bool flag(std::string_view key, std::string_view yes, std::string_view no, bool& out);
    // "A/B", e.g. the draw counters "1/0".
    bool pair(std::string_view key, int16_t& a, int16_t& b);
    template <typename Field>
    bool number(std::string_view key, Field& out);

    // Every field has been read; else false, naming one that was not.
    bool allRead();

    bool fail(std::string what);
    const std::string& error() const { return error_; }

private:
    // Reads the field with `parse` (value -> optional result) into `out`.
    template <typename Out, typename Parse>
    bool read(std::string_view key, Out& out, Parse parse, std::string_view what);

    std::map<std::string, std::string, std::less<>> fields_;
    std::string error_;
};

template <typename Out, typename Parse>
bool NotationFields::read(std::string_view key, Out& out, Parse parse, std::string_view what)
{
    auto v = take(key);
    if (!v)
        return true;
    auto parsed = parse(*v);
    if (!parsed)
        return fail("bad " + std::string(what) + " in " + std::string(key) + "=" + *v);
    out = static_cast<Out>(*parsed);
    return true;
}

template <typename Field>
bool NotationFields::number(std::string_view key, Field& out)
{
    return read(key, out, ParseNumber, "number");
}

} // namespace kolvar
