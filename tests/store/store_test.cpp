// The start-up load and the save, over the in-memory store.
#include <gtest/gtest.h>

#include "store/memory_backend.h"

namespace blefino::store {
namespace {

using Keys = std::map<std::string, MemoryBackend::Values>;

// The two keys as they hold `s`.
Keys keys_of(const Settings& s) {
  return {{kParametersKey, {{"name", s.player_name}, {"skin", s.skin}}},
          {kStatisticsKey, {{"draw", s.draw}, {"loss", s.loss}, {"win", s.win}}}};
}

class StoreTest : public ::testing::Test {
 protected:
  MemoryBackend backend;
  std::vector<std::string> shown;  // "title|text|icon"
  Store store{backend, [this](const std::string& text, const std::string& title, Icon icon) {
                shown.push_back(title + "|" + text + "|" + std::to_string(int(icon)));
              }};
};

// What is stored loads as it is ("Not Found" is a name); a count loads as the
// number it stands for, 0 to 999,999,999,999,999; a missing value, an opponent's
// name and the empty name take their defaults, and afterwards the store holds
// exactly what was loaded.
TEST_F(StoreTest, AStartLoadsWhatIsStoredAndWritesBackWhatWasMissingOrRefused) {
  const Settings fresh{"введите имя"};
  const std::pair<Keys, Settings> cases[] = {
      {{}, fresh},
      {{{kParametersKey, {{"skin", "7"}, {"name", "Not Found"}}},
        {kStatisticsKey, {{"win", "12abc"}, {"draw", ""}}}},
       {"Not Found", "7", "12", "0", "0"}},
      {{{kStatisticsKey, {{"win", "99999999999999999999"}, {"loss", "abc"}, {"draw", "-5"}}}},
       {"введите имя", "1", "999999999999999", "0", "0"}},
      {{{kParametersKey, {{"name", "TORVIK"}, {"skin", "3"}}}}, {"введите имя", "3"}},
      {{{kParametersKey, {{"name", "GRUB"}}}}, fresh},
      {{{kParametersKey, {{"name", ""}}}}, fresh},
      {{{kParametersKey, {{"name", "torvik"}}}}, {"torvik"}},
      {{{kParametersKey, {{"name", " GRUB"}}}}, {" GRUB"}},
  };
  for (const auto& [stored, loaded] : cases) {
    backend.keys = stored;
    EXPECT_EQ(keys_of(store.load_at_startup()), keys_of(loaded));
    EXPECT_EQ(backend.keys, keys_of(loaded));
  }
  EXPECT_TRUE(shown.empty());
}

// The opponents' level has a key of its own: only "1" is the experienced pair,
// and neither loading nor saving it touches the five values.
TEST_F(StoreTest, TheLevelIsKeptInAKeyOfItsOwn) {
  const Settings five{"Петя", "3", "1", "2", "0"};
  backend.keys = keys_of(five);
  EXPECT_EQ(store.load_level(), Level::Default);  // never chosen
  store.save_level(Level::Experienced);
  EXPECT_EQ(store.load_level(), Level::Experienced);
  EXPECT_EQ(backend.keys[kOpponentsKey], (MemoryBackend::Values{{"level", "1"}}));
  store.save_level(Level::Default);
  EXPECT_EQ(backend.keys[kOpponentsKey]["level"], "0");
  for (const char* text : {"2", "", "experienced", "1 "}) {
    backend.keys[kOpponentsKey]["level"] = text;
    EXPECT_EQ(store.load_level(), Level::Default) << text;
  }
  backend.keys.erase(kOpponentsKey);
  EXPECT_EQ(backend.keys, keys_of(five));
  EXPECT_TRUE(shown.empty());
}

// Whatever goes wrong inside the store is shown once at start-up, a save that
// throws is a failed save told once a run, and the game goes on.
TEST_F(StoreTest, UnexpectedErrorsAreShownOnceAndTheGameGoesOn) {
  backend.throw_message = "disk on fire";
  Settings s;
  EXPECT_NO_THROW(s = store.load_at_startup({"Петя"}));
  EXPECT_EQ(keys_of(s), keys_of({"Петя"}));
  for (int i = 0; i < 3; ++i) EXPECT_NO_THROW(store.save_all(s));
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], "Блефино|ERROR #51 : disk on fire\nPlease exit and try again.|0");
  EXPECT_TRUE(shown[1].starts_with("Блефино|Не удалось сохранить")) << shown[1];
  EXPECT_NE(shown[1].find("(disk on fire)"), std::string::npos) << shown[1];
}

}  // namespace
}  // namespace blefino::store
