// The start-up load and the save, over the in-memory store.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_backend.h"
#include "store.h"

namespace blefino::store {
namespace {

struct Shown {
  std::string text, title;
  Icon icon;
};

class StoreTest : public ::testing::Test {
 protected:
  MemoryBackend backend;
  std::vector<Shown> shown;
  Store store{backend, [this](const std::string& text, const std::string& title, Icon icon) {
                shown.push_back({text, title, icon});
              }};

  std::string stored(const char* key, const char* name) { return backend.keys.at(key).at(name); }
  std::string repeat(const std::string& s, int n) {
    std::string out;
    while (n-- > 0) out += s;
    return out;
  }
};

TEST_F(StoreTest, CleanProfileGetsBothKeysAndTheFiveDefaults) {
  Settings s = store.load_at_startup();
  EXPECT_EQ(s.player_name, "введите имя");
  EXPECT_EQ(s.skin, "1");
  EXPECT_EQ(s.win, "0");
  EXPECT_EQ(s.loss, "0");
  EXPECT_EQ(s.draw, "0");
  EXPECT_EQ(backend.keys.at(kParametersKey),
            (MemoryBackend::Values{{"name", "введите имя"}, {"skin", "1"}}));
  EXPECT_EQ(backend.keys.at(kStatisticsKey),
            (MemoryBackend::Values{{"draw", "0"}, {"loss", "0"}, {"win", "0"}}));
  EXPECT_TRUE(shown.empty());
}

TEST_F(StoreTest, StoredValuesLoadAsTheyAreAndOnlyMissingOnesAreWritten) {
  backend.keys[kParametersKey] = {{"skin", "7"}, {"name", "Not Found"}};
  backend.keys[kStatisticsKey] = {{"win", "12abc"}, {"draw", ""}};
  Settings s = store.load_at_startup();
  EXPECT_EQ(s.skin, "7");
  EXPECT_EQ(s.player_name, "Not Found");  // a real name, not a missing one
  EXPECT_EQ(s.win, "12abc");              // not a number: kept as text
  EXPECT_EQ(s.loss, "0");
  EXPECT_EQ(s.draw, "");
  EXPECT_EQ(backend.writes, 1);
  EXPECT_EQ(stored(kStatisticsKey, "loss"), "0");
  EXPECT_EQ(stored(kStatisticsKey, "win"), "12abc");
}

TEST_F(StoreTest, OpponentNamesAndEmptyNamesAreReplacedAndWrittenBack) {
  for (const std::string name : {"TORVIK", "DUKE LOPATSKY", "GRUB", ""}) {
    backend.keys[kParametersKey] = {{"skin", "2"}, {"name", name}};
    EXPECT_EQ(store.load_at_startup().player_name, "введите имя") << name;
    EXPECT_EQ(stored(kParametersKey, "name"), "введите имя") << name;
  }
  for (const std::string name : {"torvik", " GRUB", "Grub"}) {
    backend.keys[kParametersKey] = {{"skin", "2"}, {"name", name}};
    EXPECT_EQ(store.load_at_startup().player_name, name);
    EXPECT_EQ(stored(kParametersKey, "name"), name);
  }
}

TEST_F(StoreTest, TextsOf254CharactersRoundTripAndLongerOnesReadAsMissing) {
  const std::string longest = repeat("ж", 254);
  Settings s;
  s.player_name = longest;
  store.save_all(s);
  EXPECT_EQ(store.read_value(kParametersKey, "name"), longest);
  EXPECT_EQ(store.load_at_startup().player_name, longest);

  s.player_name = longest + "ж";
  store.save_all(s);
  EXPECT_EQ(store.read_value(kParametersKey, "name"), std::nullopt);
  EXPECT_EQ(store.load_at_startup().player_name, "введите имя");
  EXPECT_EQ(stored(kParametersKey, "name"), "введите имя");
}

TEST_F(StoreTest, SaveAllWritesEachValueUnderItsOwnName) {
  store.load_at_startup();
  store.save_all({"Вася", "5", "10", "20", "30"});
  EXPECT_EQ(backend.keys.at(kParametersKey),
            (MemoryBackend::Values{{"name", "Вася"}, {"skin", "5"}}));
  EXPECT_EQ(backend.keys.at(kStatisticsKey),
            (MemoryBackend::Values{{"draw", "30"}, {"loss", "20"}, {"win", "10"}}));
}

TEST_F(StoreTest, KeysThatCannotBeCreatedAreReportedOnceEachAndTheGameGoesOn) {
  backend.uncreatable = {kParametersKey, kStatisticsKey};
  Settings current;
  current.skin = "3";  // whatever the game held stays
  Settings s = store.load_at_startup(current);
  ASSERT_EQ(shown.size(), 2u);
  for (const Shown& m : shown) {
    EXPECT_EQ(m.text, "Unable to Create Key.");
    EXPECT_EQ(m.title, "Блефино");
    EXPECT_EQ(m.icon, Icon::None);
  }
  EXPECT_EQ(s.skin, "3");
  EXPECT_EQ(s.player_name, "");
  EXPECT_EQ(s.win, "0");
  EXPECT_EQ(s.loss, "0");
  EXPECT_EQ(s.draw, "0");
  store.save_all(s);  // fails quietly; the next save tries again
  EXPECT_EQ(shown.size(), 2u);

  // Only the statistics key fails: the parameters load normally.
  shown.clear();
  backend.uncreatable = {kStatisticsKey};
  s = store.load_at_startup();
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_EQ(s.player_name, "введите имя");
  EXPECT_EQ(s.win, "0");
}

TEST_F(StoreTest, UnexpectedErrorsAreShownAndNothingThrows) {
  store.load_at_startup();
  backend.keys[kParametersKey]["name"] = "Петя";
  backend.throw_message = "disk on fire";

  EXPECT_FALSE(store.write_value(kParametersKey, "name", "x"));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "ERROR #51 : disk on fire\nPlease exit and try again.");
  EXPECT_EQ(shown[0].title, "Блефино");
  EXPECT_FALSE(store.create_key(kParametersKey));
  EXPECT_EQ(store.read_value(kParametersKey, "name"), "");  // empty text, not missing

  Settings s;
  EXPECT_NO_THROW(s = store.load_at_startup());
  EXPECT_EQ(s.win, "0");
  EXPECT_NO_THROW(store.save_all(s));
  EXPECT_EQ(backend.keys.at(kParametersKey).at("name"), "Петя");
  // Each failed operation says so; a key that could not be created says that too.
  for (const Shown& m : shown)
    EXPECT_TRUE(m.text.rfind("ERROR #51 : disk on fire\n", 0) == 0 ||
                m.text == "Unable to Create Key.")
        << m.text;
}

}  // namespace
}  // namespace blefino::store
