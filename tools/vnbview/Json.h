#pragma once
// A small streaming JSON writer: two-space indentation, UTF-8 output.
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vnbview {

// A JSON string literal, quotes included. Characters are written as UTF-8;
// a lone surrogate, which UTF-8 cannot carry, is kept as a \uXXXX escape.
std::string JsonString(std::u16string_view text);

// A number that reads back as exactly the same double. JSON has no NaN or
// infinity: those are written as null.
std::string JsonDouble(double value);

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    void Key(std::string_view key);

    void String(std::u16string_view text) { Value(JsonString(text)); }
    void Unsigned(uint64_t value) { Value(std::to_string(value)); }
    void Signed(int64_t value) { Value(std::to_string(value)); }
    void Double(double value) { Value(JsonDouble(value)); }
    void Bool(bool value) { Value(value ? "true" : "false"); }
    void Null() { Value("null"); }

    // Key and value in one call, for the common case.
    void Field(std::string_view key, std::u16string_view text) { Key(key); String(text); }
    void FieldUnsigned(std::string_view key, uint64_t value) { Key(key); Unsigned(value); }
    void FieldSigned(std::string_view key, int64_t value) { Key(key); Signed(value); }
    void FieldBool(std::string_view key, bool value) { Key(key); Bool(value); }

private:
    void Value(std::string_view text);
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine(size_t depth);

    std::ostream& out_;
    std::vector<bool> empty_;  // per open container: nothing written yet
    bool afterKey_ = false;
};

}  // namespace vnbview
