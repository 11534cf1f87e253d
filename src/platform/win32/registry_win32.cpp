// Implements the registry service on Windows: default values of keys and the string values of a
// section, wide calls only; a value of any length is read whole.
#include "platform/win32/registry_win32.h"

#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/win32_api.h"

namespace kelvaro {

namespace {

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}

// An open key, closed when it goes.
class OpenKey {
  public:
    OpenKey(HKEY root, const std::string& path, REGSAM access) {
        if (RegOpenKeyExW(root, Widen(path).c_str(), 0, access, &key_) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~OpenKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// A string value of an open key (nullptr names the default value); nothing unless it is text.
std::optional<std::string> QueryText(HKEY key, const wchar_t* name) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return Narrow(std::wstring(buffer.data()));  // up to the first NUL
}

}  // namespace

std::optional<std::string> Win32Registry::DefaultValue(RegistryRoot root, const std::string& key) {
    OpenKey open(RootKey(root), key, KEY_QUERY_VALUE);
    return open.get() == nullptr ? std::nullopt : QueryText(open.get(), nullptr);
}

void Win32Registry::CreateKey(RegistryRoot root, const std::string& key) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(RootKey(root), Widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &created, nullptr) == ERROR_SUCCESS) {
        RegCloseKey(created);
    }
}

std::optional<std::string> Win32Registry::ReadString(RegistryRoot root, const std::string& key,
                                                     const std::string& subKey,
                                                     const std::string& name) {
    OpenKey open(RootKey(root), key + "\\" + subKey, KEY_READ);
    return open.get() == nullptr ? std::nullopt : QueryText(open.get(), Widen(name).c_str());
}

}  // namespace kelvaro
