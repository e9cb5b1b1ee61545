#include "components/RegistryStore_win.h"

#include "platform/win32/Registry.h"

namespace components {
namespace {

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

class RegistryValues final : public KeyValues {
public:
    explicit RegistryValues(win::RegKey key) : key_(std::move(key)) {}

    std::optional<uint32_t> ReadNumber(std::u16string_view name) const override
    {
        return key_.ReadDword(Wide(name).c_str());
    }
    std::optional<std::u16string> ReadText(std::u16string_view name) const override
    {
        auto text = key_.ReadString(Wide(name).c_str());
        if (!text)
            return std::nullopt;
        return std::u16string(text->begin(), text->end());
    }
    bool WriteNumber(std::u16string_view name, uint32_t value) override
    {
        return key_.WriteDword(Wide(name).c_str(), value);
    }
    bool WriteText(std::u16string_view name, std::u16string_view value) override
    {
        return key_.WriteString(Wide(name).c_str(), Wide(value));
    }

private:
    win::RegKey key_;
};

}  // namespace

std::unique_ptr<KeyValues> RegistryStore::OpenKey(std::u16string_view path)
{
    win::RegKey key;
    if (!key.Open(root_, Wide(path), KEY_READ))
        return nullptr;
    return std::make_unique<RegistryValues>(std::move(key));
}

std::unique_ptr<KeyValues> RegistryStore::CreateKey(std::u16string_view path)
{
    win::RegKey key;
    if (!key.Create(root_, Wide(path), KEY_ALL_ACCESS))
        return nullptr;
    return std::make_unique<RegistryValues>(std::move(key));
}

}  // namespace components
