// The start-up load and the save, over the in-memory store.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_backend.h"
#include "store.h"

namespace blefino::store {
namespace {

std::vector<std::string> five(const Settings& s) { return {s.player_name, s.skin, s.win, s.loss, s.draw}; }
using Five = std::vector<std::string>;

class StoreTest : public ::testing::Test {
 protected:
  MemoryBackend backend;
  std::vector<std::string> shown;  // "title|text|icon"
  Store store{backend, [this](const std::string& text, const std::string& title, Icon icon) {
                shown.push_back(title + "|" + text + "|" + std::to_string(int(icon)));
              }};
  std::string stored(const char* key, const char* name) { return backend.keys.at(key).at(name); }
};

TEST_F(StoreTest, CleanProfileGetsBothKeysAndTheFiveDefaults) {
  EXPECT_EQ(five(store.load_at_startup()), (Five{"введите имя", "1", "0", "0", "0"}));
  EXPECT_EQ(backend.keys.at(kParametersKey), (MemoryBackend::Values{{"name", "введите имя"}, {"skin", "1"}}));
  EXPECT_EQ(backend.keys.at(kStatisticsKey), (MemoryBackend::Values{{"draw", "0"}, {"loss", "0"}, {"win", "0"}}));
  EXPECT_TRUE(shown.empty());
}

TEST_F(StoreTest, StoredValuesLoadAsTheyAreAndOnlyMissingOnesAreWritten) {
  backend.keys[kParametersKey] = {{"skin", "7"}, {"name", "Not Found"}};  // a real name, not a missing one
  backend.keys[kStatisticsKey] = {{"win", "12abc"}, {"draw", ""}};         // not a number: kept as text
  EXPECT_EQ(five(store.load_at_startup()), (Five{"Not Found", "7", "12abc", "0", ""}));
  EXPECT_EQ(backend.writes, 1);
  EXPECT_EQ(stored(kStatisticsKey, "loss"), "0");
}

TEST_F(StoreTest, OpponentNamesAndTheEmptyNameAreReplacedAndWrittenBackLookalikesKept) {
  const std::pair<std::string, std::string> cases[] = {
      {"TORVIK", "введите имя"}, {"DUKE LOPATSKY", "введите имя"}, {"GRUB", "введите имя"},
      {"", "введите имя"},       {"torvik", "torvik"},             {" GRUB", " GRUB"}};
  for (const auto& [name, loaded] : cases) {
    backend.keys[kParametersKey] = {{"skin", "2"}, {"name", name}};
    EXPECT_EQ(store.load_at_startup().player_name, loaded) << name;
    EXPECT_EQ(stored(kParametersKey, "name"), loaded) << name;
  }
}

TEST_F(StoreTest, KeysThatCannotBeCreatedAreReportedOnceEachAndTheGameGoesOn) {
  backend.uncreatable = {kParametersKey, kStatisticsKey};
  Settings current{"", "3"};  // whatever the game held stays
  Settings s = store.load_at_startup(current);
  EXPECT_EQ(shown, std::vector<std::string>(2, "Блефино|Unable to Create Key.|0"));
  EXPECT_EQ(five(s), (Five{"", "3", "0", "0", "0"}));
  store.save_all(s);  // told once; later saves try again without a word
  store.save_all(s);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[2].rfind("Блефино|Не удалось сохранить", 0), 0u) << shown[2];

  // Only the statistics key fails: the parameters load normally.
  shown.clear();
  backend.uncreatable = {kStatisticsKey};
  EXPECT_EQ(five(store.load_at_startup()), (Five{"введите имя", "1", "0", "0", "0"}));
  EXPECT_EQ(shown.size(), 1u);
}

TEST_F(StoreTest, UnexpectedErrorsAreShownAndNothingThrows) {
  store.load_at_startup();
  backend.keys[kParametersKey]["name"] = "Петя";
  backend.throw_message = "disk on fire";
  const std::string error = "Блефино|ERROR #51 : disk on fire\nPlease exit and try again.|0";

  EXPECT_FALSE(store.write_value(kParametersKey, "name", "x"));
  EXPECT_EQ(shown, std::vector<std::string>{error});
  EXPECT_FALSE(store.create_key(kParametersKey));
  EXPECT_EQ(store.read_value(kParametersKey, "name"), "");  // empty text, not missing
  Settings s;
  EXPECT_NO_THROW(s = store.load_at_startup());
  EXPECT_EQ(s.win, "0");
  EXPECT_NO_THROW(store.save_all(s));
  EXPECT_EQ(stored(kParametersKey, "name"), "Петя");
  // Each failed operation says so; a key that could not be created or a
  // save that failed says that too.
  for (const std::string& m : shown)
    EXPECT_TRUE(m == error || m == "Блефино|Unable to Create Key.|0" ||
                m.rfind("Блефино|Не удалось сохранить", 0) == 0) << m;
}

}  // namespace
}  // namespace blefino::store
