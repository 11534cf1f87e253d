// The shell: opening a document or an address with the program the system has for it.
#pragma once

#include <optional>
#include <string>

namespace kelvaro {

class Form;

constexpr int kShowNormal = 5;  // the show command that shows a window as it is (SW_SHOW)

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens the file or address with the verb ("" for the file type's default action). The
    // result is the shell's: above 32 means it was opened.
    virtual long Open(const std::string& verb, const std::string& file,
                      const std::string& parameters, const std::string& folder,
                      int showCommand) = 0;
    // The shell's folder browser over the owner, from the desktop down, file-system folders
    // only. Nothing when the user cancels; an empty text for a chosen item that has no path.
    virtual std::optional<std::string> BrowseForFolder(Form& owner, const std::string& title) {
        (void)owner;
        (void)title;
        return std::nullopt;
    }
    // Starts a program from a command line; whether it started is not reported.
    virtual void RunCommandLine(const std::string& commandLine, int showCommand) {
        (void)commandLine;
        (void)showCommand;
    }
};

}  // namespace kelvaro
