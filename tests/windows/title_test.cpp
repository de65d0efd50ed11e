#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "title.h"

using namespace blefino;
struct Message {
  std::string text, title;
  blefino::Icon icon;
  blefino::Buttons buttons;
  friend bool operator==(const Message&, const Message&) = default;
};
using blefino::windows::Title;

namespace {

std::vector<std::string> five(const Settings& s) { return {s.player_name, s.skin, s.win, s.loss, s.draw}; }

// The start-up window, shown over stored settings with `name` in them.
struct Start {
  Settings settings{"", "4", "2", "3", "1"};
  bool open_cards;
  std::vector<Settings> saved;
  std::vector<Message> asked;
  std::unique_ptr<Title> t;

  explicit Start(const std::string& name, bool open = false) : open_cards(open) {
    settings.player_name = name;
    t = std::make_unique<Title>(
        settings, open_cards, [this](const Settings& s) { saved.push_back(s); },
        [this](const std::string& text, const std::string& title, Icon icon, Buttons buttons) {
          asked.push_back({text, title, icon, buttons});
          return Answer::Ok;
        });
    t->show();
  }
  void ok(const QString& name) {
    t->nameBox()->setText(name);
    QTest::mouseClick(t->okButton(), Qt::LeftButton);
  }
  bool accepted() const { return t->result() == QDialog::Accepted; }
};

}  // namespace

// Only the opponents' names exactly as they are written, and the empty name, are refused.
TEST(Title, RefusesEachOpponentsNameAndTheEmptyNameTakesLookalikesAndSavesAllFive) {
  const std::vector<Message> refusal = {{"Выберите, пожалуйста, другое имя", "Блефино", Icon::Information, Buttons::Ok}};
  const std::pair<const char*, bool> cases[] = {
      {"TORVIK", true}, {"GORDAN", true}, {"KRUMP", true}, {"DUKE LOPATSKY", true}, {"BARNABY KROSS", true},
      {"LILA", true},   {"MIRTA", true},  {"DORINA", true}, {"GRUB", true},         {"", true},
      {"grub", false},  {" GRUB", false}, {"GRUB ", false}, {"введите имя", false}};
  for (const auto& [name, refused] : cases) {
    SCOPED_TRACE(name);
    Start f("Вася");
    EXPECT_EQ(f.t->nameBox()->selectedText(), QStringLiteral("Вася"));  // typing replaces it
    f.ok(QString::fromUtf8(name));
    EXPECT_EQ(f.asked, refused ? refusal : std::vector<Message>{});
    EXPECT_EQ(f.accepted(), !refused);
    EXPECT_EQ(f.t->isVisible(), refused);
    if (!refused) {
      ASSERT_EQ(f.saved.size(), 1u);
      EXPECT_EQ(five(f.saved[0]), (std::vector<std::string>{name, "4", "2", "3", "1"}));  // untrimmed
      EXPECT_EQ(f.settings.player_name, name);
      continue;
    }
    EXPECT_EQ(f.t->nameBox()->text(), QString::fromUtf8(name));
    EXPECT_EQ(f.settings.player_name, "Вася");
    EXPECT_TRUE(f.saved.empty());
    f.t->nameBox()->setText(QStringLiteral("Петя"));  // another try
    QTest::keyClick(f.t->nameBox(), Qt::Key_Return);  // Enter presses OK
    EXPECT_TRUE(f.accepted());
    EXPECT_EQ(f.settings.player_name, "Петя");
  }
}

TEST(Title, KvardoSwitchesOnTheShowCardsButtonForTheRun) {
  struct Case {
    const char* name;
    bool before, after;
  };
  for (const Case& c : {Case{"kvardo", false, true}, Case{"Kvardo", false, false},
                        Case{"Петя", true, true}}) {  // once on, it stays on
    Start f(c.name, c.before);
    QTest::mouseClick(f.t->okButton(), Qt::LeftButton);
    EXPECT_EQ(f.open_cards, c.after) << c.name;
  }
}

TEST(Title, TheNameBoxTakesAtMost254CharactersSoTheNameReadsBack) {
  Start f("x");
  f.t->nameBox()->selectAll();
  f.t->nameBox()->insert(QString(300, QChar(u'я')));
  QTest::keyClicks(f.t->nameBox(), QStringLiteral("zz"));
  QTest::mouseClick(f.t->okButton(), Qt::LeftButton);
  ASSERT_EQ(f.saved.size(), 1u);
  EXPECT_EQ(QString::fromStdString(f.saved[0].player_name), QString(254, QChar(u'я')));
}

TEST(Title, CloseBoxEndsWithoutSavingAndEscapeDoesNothing) {
  Start f("Маша");
  QTest::keyClick(f.t.get(), Qt::Key_Escape);
  EXPECT_TRUE(f.t->isVisible());
  f.t->nameBox()->setText(QStringLiteral("Даша"));
  f.t->close();
  EXPECT_FALSE(f.t->isVisible());
  EXPECT_EQ(f.t->result(), QDialog::Rejected);
  EXPECT_TRUE(f.saved.empty());
  EXPECT_EQ(f.settings.player_name, "Маша");
}
