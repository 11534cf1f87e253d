// The shell: opening a document or an address with the program the system has for it.
#pragma once

#include <string>

namespace kelvaro {

constexpr int kShowNormal = 5;  // the show command that shows a window as it is (SW_SHOW)

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens the file or address with the verb ("" for the file type's default action). The
    // result is the shell's: above 32 means it was opened.
    virtual long Open(const std::string& verb, const std::string& file,
                      const std::string& parameters, const std::string& folder,
                      int showCommand) = 0;
};

}  // namespace kelvaro
