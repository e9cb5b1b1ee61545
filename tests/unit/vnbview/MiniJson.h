#pragma once
// A strict little JSON reader, so tests check the dump as a consumer sees
// it: well-formed, keys in order, values of the right type.
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vnbview_test {

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string numberText;
    std::u16string string;  // escapes decoded to UTF-16, lone surrogates kept
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    const JsonValue& operator[](const std::string& key) const;  // throws when missing
    const JsonValue& operator[](size_t index) const { return items.at(index); }
    std::vector<std::string> Keys() const;
};

// Throws std::runtime_error on anything but exactly one JSON value.
JsonValue ParseJson(const std::string& text);

}  // namespace vnbview_test
