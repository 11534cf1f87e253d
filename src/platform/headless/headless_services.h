// The system services of the headless backend: a shell that records what it is asked and
// answers from a script, and a registry and a clipboard held in memory.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/clipboard.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace kelvaro {

class RecordingShell : public Shell {
  public:
    struct Launch {
        std::string verb;
        std::string file;
        std::string parameters;
        std::string folder;
        int showCommand = 0;
    };
    struct Browse {
        std::string owner;
        std::string title;
    };

    long Open(const std::string& verb, const std::string& file, const std::string& parameters,
              const std::string& folder, int showCommand) override;
    std::optional<std::string> BrowseForFolder(Form& owner, const std::string& title) override;
    void RunCommandLine(const std::string& commandLine, int showCommand) override;

    std::vector<Launch> launches;
    long result = 42;  // what Open answers: above 32, opened
    std::vector<Browse> browses;
    // What the folder browser answers, one per use; nothing (cancelled) when none is left.
    std::deque<std::optional<std::string>> folderChoices;
    std::vector<std::string> commandLines;
};

class MemoryRegistry : public Registry {
  public:
    std::optional<std::string> DefaultValue(RegistryRoot root, const std::string& key) override;
    void CreateKey(RegistryRoot root, const std::string& key) override;
    std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                          const std::string& subKey,
                                          const std::string& name) override;

    bool HasKey(RegistryRoot root, const std::string& key) const {
        return keys_.count({root, key}) != 0;
    }
    // Sets a value ("" names the default value), creating its key.
    void Set(RegistryRoot root, const std::string& key, const std::string& name,
             const std::string& value);

  private:
    using Values = std::map<std::string, std::string>;
    std::map<std::tuple<RegistryRoot, std::string>, Values> keys_;
};

class MemoryClipboard : public Clipboard {
  public:
    void SetText(const std::string& text) override { text_ = text; }
    std::string Text() override { return text_; }

  private:
    std::string text_;
};

}  // namespace kelvaro
