// The shell on Windows: ShellExecuteW, the folder browser, and starting a command line.
#pragma once

#include <functional>

#include "platform/shell.h"
#include "platform/win32/win32_api.h"

namespace kelvaro {

class Control;

class Win32Shell : public Shell {
  public:
    // The window that shows a form, for the folder browser's owner.
    explicit Win32Shell(std::function<HWND(const Control&)> windowOf)
        : windowOf_(std::move(windowOf)) {}

    long Open(const std::string& verb, const std::string& file, const std::string& parameters,
              const std::string& folder, int showCommand) override;
    std::optional<std::string> BrowseForFolder(Form& owner, const std::string& title) override;
    void RunCommandLine(const std::string& commandLine, int showCommand) override;

  private:
    std::function<HWND(const Control&)> windowOf_;
};

}  // namespace kelvaro
