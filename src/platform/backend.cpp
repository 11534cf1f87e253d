#include "platform/backend.h"

#include "platform/clipboard.h"
#include "platform/registry.h"

namespace kelvaro {

namespace {

class NoRegistry : public Registry {
  public:
    std::optional<std::string> DefaultValue(RegistryRoot, const std::string&) override {
        return std::nullopt;
    }
    void CreateKey(RegistryRoot, const std::string&) override {}
    std::optional<std::string> ReadString(RegistryRoot, const std::string&, const std::string&,
                                          const std::string&) override {
        return std::nullopt;
    }
};

class NoClipboard : public Clipboard {
  public:
    void SetText(const std::string&) override {}
    std::string Text() override { return {}; }
};

}  // namespace

Registry& Backend::GetRegistry() {
    static NoRegistry registry;
    return registry;
}

Clipboard& Backend::GetClipboard() {
    static NoClipboard clipboard;
    return clipboard;
}

}  // namespace kelvaro
