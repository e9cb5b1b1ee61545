#pragma once
// The little the font records need of a settings store: numbered and text
// values inside named keys. The registry is one such store; tests use a map.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace core {

class KeyValues {
public:
    virtual ~KeyValues() = default;
    virtual std::optional<uint32_t> ReadNumber(std::u16string_view name) const = 0;
    virtual std::optional<std::u16string> ReadText(std::u16string_view name) const = 0;
    virtual bool WriteNumber(std::u16string_view name, uint32_t value) = 0;
    virtual bool WriteText(std::u16string_view name, std::u16string_view value) = 0;
};

class KeyValueStore {
public:
    virtual ~KeyValueStore() = default;
    // nullptr when the key does not exist or cannot be opened.
    virtual std::unique_ptr<KeyValues> OpenKey(std::u16string_view path) = 0;
    // Opens the key, creating it when missing; nullptr on failure.
    virtual std::unique_ptr<KeyValues> CreateKey(std::u16string_view path) = 0;
};

}  // namespace core
