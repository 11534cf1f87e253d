// The registry on Windows: RegOpenKeyExW, RegQueryValueExW, RegCreateKeyExW, RegCloseKey.
#pragma once

#include "platform/registry.h"

namespace kelvaro {

class Win32Registry : public Registry {
  public:
    std::optional<std::string> DefaultValue(RegistryRoot root, const std::string& key) override;
    void CreateKey(RegistryRoot root, const std::string& key) override;
    std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                          const std::string& subKey,
                                          const std::string& name) override;
};

}  // namespace kelvaro
