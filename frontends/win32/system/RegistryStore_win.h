#pragma once
#include "core/settings/KeyValueStore.h"

#include <windows.h>

namespace viewer {

// KeyValueStore over the registry below one root (HKEY_CURRENT_USER for the
// settings).
class RegistryStore final : public core::KeyValueStore {
public:
    explicit RegistryStore(HKEY root = HKEY_CURRENT_USER) : root_(root) {}
    std::unique_ptr<core::KeyValues> OpenKey(std::u16string_view path) override;
    std::unique_ptr<core::KeyValues> CreateKey(std::u16string_view path) override;

private:
    HKEY root_;
};

}  // namespace viewer
