#include "frontends/win32/system/RegistryStore_win.h"

#include "platform/win32/Registry.h"
#include "platform/win32/WideText.h"

namespace viewer {
namespace {

class RegistryValues final : public core::KeyValues {
public:
    explicit RegistryValues(win::RegKey key) : key_(std::move(key)) {}

    std::optional<uint32_t> ReadNumber(std::u16string_view name) const override
    {
        return key_.ReadDword(win::Wide(name).c_str());
    }
    std::optional<std::u16string> ReadText(std::u16string_view name) const override
    {
        auto text = key_.ReadString(win::Wide(name).c_str());
        if (!text)
            return std::nullopt;
        return win::U16(*text);
    }
    bool WriteNumber(std::u16string_view name, uint32_t value) override
    {
        return key_.WriteDword(win::Wide(name).c_str(), value);
    }
    bool WriteText(std::u16string_view name, std::u16string_view value) override
    {
        return key_.WriteString(win::Wide(name).c_str(), win::Wide(value));
    }

private:
    win::RegKey key_;
};

}  // namespace

std::unique_ptr<core::KeyValues> RegistryStore::OpenKey(std::u16string_view path)
{
    win::RegKey key;
    if (!key.Open(root_, win::Wide(path), KEY_READ))
        return nullptr;
    return std::make_unique<RegistryValues>(std::move(key));
}

std::unique_ptr<core::KeyValues> RegistryStore::CreateKey(std::u16string_view path)
{
    win::RegKey key;
    if (!key.Create(root_, win::Wide(path), KEY_ALL_ACCESS))
        return nullptr;
    return std::make_unique<RegistryValues>(std::move(key));
}

}  // namespace viewer
