// A small JSON reader for checking the match trace: objects, arrays, strings, integers, true,
// false and null, which is all the trace writes.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zavkari::testing {

struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    long long number = 0;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> fields;

    bool Has(const std::string& key) const { return fields.count(key) != 0; }
    const Json& operator[](const std::string& key) const { return fields.at(key); }
    const Json& operator[](std::size_t i) const { return items.at(i); }
};

// Parses one JSON value that fills the whole text; nothing on any error.
std::optional<Json> ParseJson(std::string_view text);

}  // namespace zavkari::testing
