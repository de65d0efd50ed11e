// Checks the registry store against the real registry calls, as the game
// runs on Windows. Built with mingw-w64 and run under Wine with a Cyrillic
// ANSI code page (1251); see wine_registry_test.sh. Every check prints what
// went wrong; the exit code is the number of failed checks.

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "registry_backend.h"
#include "store.h"

using namespace blefino;
using namespace blefino::store;

namespace {

int failures = 0;
#define CHECK(expr) ((expr) ? void() : (std::printf("FAIL line %d: %s\n", __LINE__, #expr), void(++failures)))

struct RawValue {
  bool found = false;
  DWORD type = 0xFFFF;
  std::string bytes;
};

// The stored bytes and type, read with a large buffer.
RawValue raw_read(const char* path, const char* name) {
  RawValue v;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return v;
  char buffer[4096];
  DWORD size = sizeof buffer;
  if (RegQueryValueExA(key, name, nullptr, &v.type, reinterpret_cast<BYTE*>(buffer), &size) ==
      ERROR_SUCCESS) {
    v.found = true;
    v.bytes.assign(buffer, size);
  }
  RegCloseKey(key);
  return v;
}

void raw_write(const char* path, const char* name, const std::string& bytes, DWORD type = REG_NONE) {
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
}

void wipe() { RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Talvik"); }

std::string repeat(const std::string& s, int n) { return n > 0 ? s + repeat(s, n - 1) : ""; }

}  // namespace

int main() {
  if (GetACP() != 1251) {
    std::printf("FAIL: the ANSI code page is %u, not 1251; run with LC_ALL=ru_RU.UTF-8\n", GetACP());
    return 1;
  }
  std::vector<std::string> messages;
  RegistryBackend backend;
  Store store(backend, [&](const std::string& text, const std::string&, Icon) {
    messages.push_back(text);
  });

  // A clean profile: both keys, five defaults, stored as type 0 ANSI text plus one zero byte.
  wipe();
  Settings s = store.load_at_startup();
  CHECK(messages.empty());
  CHECK(s.player_name == "введите имя" && s.skin == "1");
  CHECK(s.win == "0" && s.loss == "0" && s.draw == "0");
  RawValue name = raw_read(kParametersKey, "name");
  CHECK(name.found && name.type == REG_NONE);
  // "введите имя" in code page 1251.
  CHECK(name.bytes == std::string("\xE2\xE2\xE5\xE4\xE8\xF2\xE5 \xE8\xEC\xFF", 11) + '\0');
  RawValue skin = raw_read(kParametersKey, "skin");
  CHECK(skin.found && skin.type == REG_NONE && skin.bytes == std::string("1\0", 2));
  for (const char* count : {"win", "loss", "draw"}) {
    RawValue v = raw_read(kStatisticsKey, count);
    CHECK(v.found && v.type == REG_NONE && v.bytes == std::string("0\0", 2));
  }

  // A save writes all five, and the next start reads them back as they were.
  s.player_name = "Ёжик 中";  // 中 is not in 1251
  s.skin = "17";
  s.win = "3";
  s.loss = "12abc";  // not a number: kept as text
  s.draw = "";
  store.save_all(s);
  CHECK(raw_read(kParametersKey, "name").bytes == std::string("\xA8\xE6\xE8\xEA ?\0", 7));
  Settings again = store.load_at_startup();
  CHECK(again.player_name == "Ёжик ?");
  CHECK(again.skin == "17" && again.win == "3" && again.loss == "12abc" && again.draw == "");

  // 254 characters and the zero byte fill the 255-byte buffer; one more is missing.
  CHECK(backend.write_value(kParametersKey, "name", repeat("Я", 254)));
  CHECK(raw_read(kParametersKey, "name").bytes.size() == 255);
  CHECK(store.read_value(kParametersKey, "name") == repeat("Я", 254));
  CHECK(backend.write_value(kParametersKey, "name", repeat("Я", 255)));
  CHECK(!store.read_value(kParametersKey, "name").has_value());
  CHECK(store.load_at_startup().player_name == "введите имя");
  CHECK(raw_read(kParametersKey, "name").bytes.size() == 12);

  // An opponent's name is replaced and written back; in lower case it stays.
  raw_write(kParametersKey, "name", std::string("TORVIK\0", 7));
  CHECK(store.load_at_startup().player_name == "введите имя");
  CHECK(raw_read(kParametersKey, "name").bytes == std::string("\xE2\xE2\xE5\xE4\xE8\xF2\xE5 \xE8\xEC\xFF\0", 12));
  raw_write(kParametersKey, "name", std::string("torvik\0", 7));
  CHECK(store.load_at_startup().player_name == "torvik");

  // Values written by hand: without the zero byte, empty, or as an ordinary string.
  raw_write(kStatisticsKey, "win", "42");
  raw_write(kStatisticsKey, "loss", "");
  raw_write(kStatisticsKey, "draw", std::string("7\0", 2), REG_SZ);
  Settings hand = store.load_at_startup();
  CHECK(hand.win == "42" && hand.loss == "" && hand.draw == "7");

  // A missing value alone is given its default; the others are left alone.
  HKEY key;
  RegOpenKeyExA(HKEY_CURRENT_USER, kStatisticsKey, 0, KEY_SET_VALUE, &key);
  RegDeleteValueA(key, "loss");
  RegCloseKey(key);
  Settings partial = store.load_at_startup();
  CHECK(partial.loss == "0" && partial.win == "42");
  CHECK(raw_read(kStatisticsKey, "loss").bytes == std::string("0\0", 2));

  // A key that cannot be created (its name is longer than the registry
  // allows): nothing is written and the failure is reported, not hidden.
  const std::string bad = "SOFTWARE\\Talvik\\" + std::string(300, 'x');
  CHECK(!backend.create_key(bad));
  CHECK(!backend.write_value(bad, "win", "1"));
  CHECK(!backend.open_key(bad));
  CHECK(!backend.read_value(bad, "win").has_value());
  CHECK(messages.empty());

  wipe();
  std::printf("%s: %d failed checks\n", failures ? "FAILED" : "OK", failures);
  return failures;
}
