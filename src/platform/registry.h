// The system registry, as far as the program reads it: default values of keys, and the string
// values of an INI-style section.
#pragma once

#include <optional>
#include <string>

namespace kelvaro {

enum class RegistryRoot { ClassesRoot, CurrentUser };

class Registry {
  public:
    virtual ~Registry() = default;
    // The key's default (unnamed) value as text; nothing when the key cannot be opened or the
    // value cannot be read as text.
    virtual std::optional<std::string> DefaultValue(RegistryRoot root, const std::string& key) = 0;
    // Opens the key with full access, creating it when it is missing.
    virtual void CreateKey(RegistryRoot root, const std::string& key) = 0;
    // The named string value of a sub-key of the key; nothing when either is missing.
    virtual std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                                  const std::string& subKey,
                                                  const std::string& name) = 0;
};

}  // namespace kelvaro
