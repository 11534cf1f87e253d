#include "platform/headless/headless_services.h"

#include "platform/form.h"

namespace kelvaro {

long RecordingShell::Open(const std::string& verb, const std::string& file,
                          const std::string& parameters, const std::string& folder,
                          int showCommand) {
    launches.push_back({verb, file, parameters, folder, showCommand});
    return result;
}

std::optional<std::string> RecordingShell::BrowseForFolder(Form& owner, const std::string& title) {
    browses.push_back({owner.Name(), title});
    if (folderChoices.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> choice = folderChoices.front();
    folderChoices.pop_front();
    return choice;
}

void RecordingShell::RunCommandLine(const std::string& commandLine, int) {
    commandLines.push_back(commandLine);
}

std::optional<std::string> MemoryRegistry::DefaultValue(RegistryRoot root, const std::string& key) {
    const auto found = keys_.find({root, key});
    if (found == keys_.end()) {
        return std::nullopt;
    }
    const auto value = found->second.find("");
    return value == found->second.end() ? std::nullopt : std::optional<std::string>(value->second);
}

void MemoryRegistry::CreateKey(RegistryRoot root, const std::string& key) {
    keys_[{root, key}];
}

std::optional<std::string> MemoryRegistry::ReadString(RegistryRoot root, const std::string& key,
                                                      const std::string& subKey,
                                                      const std::string& name) {
    const auto found = keys_.find({root, key + "\\" + subKey});
    if (found == keys_.end()) {
        return std::nullopt;
    }
    const auto value = found->second.find(name);
    return value == found->second.end() ? std::nullopt : std::optional<std::string>(value->second);
}

void MemoryRegistry::Set(RegistryRoot root, const std::string& key, const std::string& name,
                         const std::string& value) {
    keys_[{root, key}][name] = value;
}

}  // namespace kelvaro
