// The name window: the names it refuses, what it saves, the secret name, and
// that only the close box leaves it without a name.
#include "windows/title.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace blefino;
using blefino::windows::Title;

namespace {

std::string five(const Settings& s) {
  return s.player_name + '|' + s.skin + '|' + s.win + '|' + s.loss + '|' + s.draw;
}

// The start-up window over stored settings with `name` in them; records what it saves and asks.
struct Start {
  explicit Start(const std::string& name, bool open = false)
      : settings{name, "4", "2", "3", "1"}, open_cards(open) {
    t.show();
  }
  Settings settings;
  bool open_cards;
  std::vector<Settings> saved;
  std::vector<std::string> asked;
  Title t{settings, open_cards, [this](const Settings& s) { saved.push_back(s); },
          [this](const std::string& text, const std::string& title, Icon icon, Buttons buttons) {
            asked.push_back(title + ": " + text + (icon == Icon::Information ? " (i)" : "") +
                            (buttons == Buttons::Ok ? " [OK]" : ""));
            return Answer::Ok;
          }};
};

}  // namespace

// Only the opponents' names exactly as written and the empty name are refused;
// "kvardo" switches the show-cards button on for the rest of the run.
TEST(Title, RefusesOpponentsNamesSavesAllFiveAndKnowsTheSecretName) {
  struct Case {
    const char* name;
    bool refused, open_before = false, open_after = false;
  };
  const Case cases[] = {{"TORVIK", true},
                        {"DUKE LOPATSKY", true},
                        {"GRUB", true},
                        {"", true},
                        {"grub", false},
                        {" GRUB ", false},
                        {"Kvardo", false},
                        {"kvardo", false, false, true},
                        {"Петя", false, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start f("Вася", c.open_before);
    EXPECT_EQ(f.t.nameBox()->selectedText(), QStringLiteral("Вася"));  // typing replaces it
    f.t.nameBox()->setText(QString::fromUtf8(c.name));
    QTest::mouseClick(f.t.okButton(), Qt::LeftButton);
    EXPECT_EQ(f.asked, std::vector<std::string>(
                           c.refused, "Блефино: Выберите, пожалуйста, другое имя (i) [OK]"));
    EXPECT_EQ(f.t.isVisible(), c.refused);
    EXPECT_EQ(f.open_cards, c.open_after);
    if (c.refused) {
      EXPECT_TRUE(f.saved.empty());
      EXPECT_EQ(f.settings.player_name, "Вася");
      f.t.nameBox()->setText(QStringLiteral("Петя"));
      QTest::keyClick(f.t.nameBox(), Qt::Key_Return);  // another try; Enter presses OK
    }
    ASSERT_EQ(f.saved.size(), 1u);
    EXPECT_EQ(five(f.saved[0]),
              (c.refused ? "Петя" : c.name) + std::string("|4|2|3|1"));  // untrimmed
    EXPECT_EQ(f.settings.player_name, f.saved[0].player_name);
    EXPECT_EQ(f.t.result(), QDialog::Accepted);
  }
}

// A name stored at 255 characters or more would not read back.
TEST(Title, TheNameBoxTakesAtMost254CharactersEscapeDoesNothingTheCloseBoxSavesNothing) {
  Start f("Маша");
  QTest::keyClick(&f.t, Qt::Key_Escape);
  EXPECT_TRUE(f.t.isVisible());
  f.t.nameBox()->insert(QString(300, QChar(u'я')));
  QTest::keyClicks(f.t.nameBox(), QStringLiteral("zz"));
  EXPECT_EQ(f.t.nameBox()->text(), QString(254, QChar(u'я')));
  f.t.close();
  EXPECT_EQ(f.t.result(), QDialog::Rejected);
  EXPECT_TRUE(f.saved.empty());
  EXPECT_EQ(f.settings.player_name, "Маша");
}
