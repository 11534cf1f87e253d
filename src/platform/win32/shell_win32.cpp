// Implements the shell service on Windows: ShellExecuteW with no owner window; the folder
// browser (SHBrowseForFolderW, SHGetPathFromIDListW, CoTaskMemFree); a command line started
// with CreateProcessW.
#include "platform/win32/shell_win32.h"

#include <shlobj.h>

#include <vector>

#include "platform/form.h"
#include "platform/win32/wide.h"

namespace kelvaro {

namespace {

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

long Win32Shell::Open(const std::string& verb, const std::string& file,
                      const std::string& parameters, const std::string& folder, int showCommand) {
    const std::wstring wideVerb = Widen(verb);
    const std::wstring wideFile = Widen(file);
    const std::wstring wideParameters = Widen(parameters);
    const std::wstring wideFolder = Widen(folder);
    const HINSTANCE result = ShellExecuteW(nullptr, OrNull(wideVerb), wideFile.c_str(),
                                           OrNull(wideParameters), OrNull(wideFolder), showCommand);
    return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}

std::optional<std::string> Win32Shell::BrowseForFolder(Form& owner, const std::string& title) {
    // The whole shell namespace from the desktop down, nothing preselected; only folders of
    // the file system can be confirmed.
    wchar_t displayName[MAX_PATH] = {};
    wchar_t path[MAX_PATH] = {};
    const std::wstring wideTitle = Widen(title);
    BROWSEINFOW browse{};
    browse.hwndOwner = windowOf_(owner);
    browse.pszDisplayName = displayName;
    browse.lpszTitle = wideTitle.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE items = SHBrowseForFolderW(&browse);
    if (items == nullptr) {
        return std::nullopt;
    }
    // An item without a file-system path leaves the buffer empty.
    SHGetPathFromIDListW(items, path);
    CoTaskMemFree(items);
    return Narrow(path);
}

void Win32Shell::RunCommandLine(const std::string& commandLine, int showCommand) {
    std::wstring line = Widen(commandLine);
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace kelvaro
