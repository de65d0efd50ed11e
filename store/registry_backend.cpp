#include "store/registry_backend.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstring>

namespace blefino::store {
namespace {

// Query, set, create subkey, enumerate, notify, create link.
constexpr REGSAM kCreateAccess = 0x3F;
// Values are read through a buffer of this size; longer ones count as missing.
constexpr DWORD kReadBuffer = 255;

std::wstring to_wide(const std::string& text, UINT code_page) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), n);
  return wide;
}

std::string from_wide(const std::wstring& wide, UINT code_page) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), size, text.data(), n, nullptr, nullptr);
  return text;
}

// Creates or opens `path`; the caller closes the key.
LONG create(const std::string& path, HKEY* key) {
  char no_class[] = "";
  return RegCreateKeyExA(HKEY_CURRENT_USER, utf8_to_ansi(path).c_str(), 0, no_class,
                         REG_OPTION_NON_VOLATILE, kCreateAccess, nullptr, key, nullptr);
}

}  // namespace

std::string utf8_to_ansi(const std::string& text) {
  return from_wide(to_wide(text, CP_UTF8), CP_ACP);
}
std::string ansi_to_utf8(const std::string& text) {
  return from_wide(to_wide(text, CP_ACP), CP_UTF8);
}

bool RegistryBackend::create_key(const std::string& path) {
  HKEY key = nullptr;
  if (create(path, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool RegistryBackend::open_key(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, utf8_to_ansi(path).c_str(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool RegistryBackend::write_value(const std::string& path, const std::string& name,
                                  const std::string& text) {
  // Without a key there is nothing to write into.
  HKEY key = nullptr;
  if (create(path, &key) != ERROR_SUCCESS) return false;
  std::string data = utf8_to_ansi(text);
  data.push_back('\0');
  const LONG rc =
      RegSetValueExA(key, utf8_to_ansi(name).c_str(), 0, REG_NONE,
                     reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

std::optional<std::string> RegistryBackend::read_value(const std::string& path,
                                                       const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, utf8_to_ansi(path).c_str(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS)
    return std::nullopt;
  char buffer[kReadBuffer];
  DWORD size = kReadBuffer;
  DWORD type = 0;  // any type is read as text
  const LONG rc = RegQueryValueExA(key, utf8_to_ansi(name).c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return std::nullopt;
  // Our values end in one zero byte. A value written by hand may lack it, or
  // be empty; then nothing but the text is taken, up to its first zero byte.
  const std::size_t length = strnlen(buffer, size);
  return ansi_to_utf8(std::string(buffer, length));
}

}  // namespace blefino::store
