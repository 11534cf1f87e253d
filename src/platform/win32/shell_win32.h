// The shell on Windows: ShellExecuteW.
#pragma once

#include "platform/shell.h"

namespace kelvaro {

class Win32Shell : public Shell {
  public:
    long Open(const std::string& verb, const std::string& file, const std::string& parameters,
              const std::string& folder, int showCommand) override;
};

}  // namespace kelvaro
