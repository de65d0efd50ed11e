// The registry store against the real registry calls, under Wine with the Cyrillic ANSI code
// page 1251 (wine_registry_test.sh). Each failed check and each message the store shows is
// printed; the exit code counts them.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>

#include "store/registry_backend.h"

using namespace blefino;
using namespace blefino::store;

namespace {

int failures = 0;
#define CHECK(expr) \
  ((expr) ? void() : (std::printf("FAIL line %d: %s\n", __LINE__, #expr), void(++failures)))

// A value's bytes as stored, when it is of type 0.
std::string raw(const char* path, const char* name) {
  char buffer[4096];
  DWORD size = sizeof buffer, type = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_ANY, &type, buffer, &size) !=
      ERROR_SUCCESS)
    return "(missing)";
  return type == REG_NONE ? std::string(buffer, size) : "(type " + std::to_string(type) + ")";
}

std::string repeat(const std::string& s, int n) { return n > 0 ? s + repeat(s, n - 1) : ""; }

}  // namespace

int main() {
  if (GetACP() != 1251)
    return std::printf("FAIL: the ANSI code page is %u, not 1251\n", GetACP()), 1;
  RegistryBackend backend;
  Store store(backend, [](const std::string& text, const std::string&, Icon) {
    std::printf("FAIL: the store says %s\n", text.c_str());
    ++failures;
  });

  // A clean profile: five defaults, each of type 0, ANSI text and one zero byte.
  RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Talvik");
  const Settings fresh = store.load_at_startup();
  CHECK(fresh.player_name == "введите имя" && fresh.skin == "1" &&
        fresh.win + fresh.loss + fresh.draw == "000");
  const std::string default_name("\xE2\xE2\xE5\xE4\xE8\xF2\xE5 \xE8\xEC\xFF\0",
                                 12);  // "введите имя"
  CHECK(raw(kParametersKey, "name") == default_name);
  CHECK(raw(kParametersKey, "skin") == std::string("1\0", 2));
  for (const char* count : {"win", "loss", "draw"})
    CHECK(raw(kStatisticsKey, count) == std::string("0\0", 2));

  // A save, and the next start: a letter the code page lacks becomes '?'.
  store.save_all({"Ёжик 中", "17", "3", "12abc", ""});
  CHECK(raw(kParametersKey, "name") == std::string("\xA8\xE6\xE8\xEA ?\0", 7));
  const Settings again = store.load_at_startup();
  CHECK(again.player_name == "Ёжик ?" && again.skin == "17");
  // Counts read as the numbers they stand for, and are written back so.
  CHECK(again.win == "3" && again.loss == "12" && again.draw == "0");
  CHECK(raw(kStatisticsKey, "loss") == std::string("12\0", 3));

  // 254 letters and the zero byte fill the 255-byte buffer; one letter more reads as missing.
  CHECK(backend.write_value(kParametersKey, "name", repeat("Я", 254)));
  CHECK(raw(kParametersKey, "name") == repeat("\xDF", 254) + '\0');
  CHECK(store.read_value(kParametersKey, "name") == repeat("Я", 254));
  CHECK(backend.write_value(kParametersKey, "name", repeat("Я", 255)));
  CHECK(store.load_at_startup().player_name == "введите имя");
  CHECK(raw(kParametersKey, "name") == default_name);

  // Values put there by hand: without the zero byte, empty, an ordinary string.
  RegSetKeyValueA(HKEY_CURRENT_USER, kStatisticsKey, "win", REG_NONE, "42", 2);
  RegSetKeyValueA(HKEY_CURRENT_USER, kStatisticsKey, "loss", REG_NONE, "", 0);
  RegSetKeyValueA(HKEY_CURRENT_USER, kStatisticsKey, "draw", REG_SZ, "7", 2);
  const Settings hand = store.load_at_startup();
  CHECK(hand.win == "42" && hand.loss == "0" && hand.draw == "7");

  // The opponents' level, in a key of its own.
  CHECK(store.load_level() == Level::Default);
  store.save_level(Level::Experienced);
  CHECK(raw(kOpponentsKey, "level") == std::string("1\0", 2));
  CHECK(store.load_level() == Level::Experienced && store.load_at_startup().draw == "7");

  // A key the registry cannot hold (its name is too long) is reported, not hidden.
  const std::string bad = "SOFTWARE\\Talvik\\" + std::string(300, 'x');
  CHECK(!backend.create_key(bad) && !backend.write_value(bad, "win", "1") &&
        !backend.open_key(bad));

  std::printf("%s: %d failed checks\n", failures ? "FAILED" : "OK", failures);
  return failures;
}
