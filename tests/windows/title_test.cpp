#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "title.h"

using namespace blefino;
using blefino::windows::Title;

namespace {

struct Asked {
  std::string text, title;
  Icon icon;
  Buttons buttons;
};

struct TitleFixture {
  Settings settings;
  bool open_cards = false;
  std::vector<Settings> saved;
  std::vector<Asked> asked;

  std::unique_ptr<Title> make(const std::string& name) {
    settings.player_name = name;
    settings.skin = "4";
    settings.win = "2";
    settings.loss = "3";
    settings.draw = "1";
    auto t = std::make_unique<Title>(
        settings, open_cards, [this](const Settings& s) { saved.push_back(s); },
        [this](const std::string& text, const std::string& title, Icon icon, Buttons buttons) {
          asked.push_back({text, title, icon, buttons});
          return Answer::Ok;
        });
    t->show();
    return t;
  }
};

bool accepted(const Title& t) { return t.result() == QDialog::Accepted; }

}  // namespace

TEST(Title, ShowsTheStoredNameWholeSelectedUnderItsCaption) {
  TitleFixture f;
  auto t = f.make("введите имя");
  EXPECT_EQ(t->windowTitle(), QStringLiteral("Карточная игра"));
  EXPECT_EQ(t->findChild<QLabel*>("Label2")->text(), QStringLiteral("Блефино"));
  EXPECT_EQ(t->findChild<QLabel*>("Label1")->text(), QStringLiteral("Ваше имя:"));
  EXPECT_FALSE(t->findChild<QLabel*>("Image1")->pixmap().isNull());
  EXPECT_EQ(t->okButton()->text(), QStringLiteral("OK"));
  EXPECT_EQ(t->nameBox()->text(), QStringLiteral("введите имя"));
  EXPECT_EQ(t->nameBox()->selectedText(), t->nameBox()->text());
  EXPECT_EQ(t->nameBox()->selectionStart(), 0);
}

TEST(Title, RefusesEveryOpponentsNameAndTheEmptyNameAndKeepsTheText) {
  const char* refused[] = {"TORVIK", "GORDAN", "KRUMP", "DUKE LOPATSKY", "BARNABY KROSS",
                           "LILA",   "MIRTA",  "DORINA", "GRUB",         ""};
  for (const char* name : refused) {
    SCOPED_TRACE(name);
    TitleFixture f;
    auto t = f.make("введите имя");
    t->nameBox()->setText(QString::fromUtf8(name));
    QTest::mouseClick(t->okButton(), Qt::LeftButton);
    ASSERT_EQ(f.asked.size(), 1u);
    EXPECT_EQ(f.asked[0].text, "Выберите, пожалуйста, другое имя");
    EXPECT_EQ(f.asked[0].title, "Блефино");
    EXPECT_EQ(f.asked[0].icon, Icon::Information);
    EXPECT_EQ(f.asked[0].buttons, Buttons::Ok);
    EXPECT_TRUE(t->isVisible());
    EXPECT_FALSE(accepted(*t));
    EXPECT_EQ(t->nameBox()->text(), QString::fromUtf8(name));
    EXPECT_EQ(f.settings.player_name, "введите имя");
    EXPECT_TRUE(f.saved.empty());
  }
}

TEST(Title, AcceptsNamesThatOnlyLookLikeAnOpponentsAndSavesAllFive) {
  for (const char* name : {"grub", " GRUB", "GRUB ", "введите имя", "Вася"}) {
    SCOPED_TRACE(name);
    TitleFixture f;
    auto t = f.make("введите имя");
    t->nameBox()->setText(QString::fromUtf8(name));
    QTest::mouseClick(t->okButton(), Qt::LeftButton);
    EXPECT_TRUE(f.asked.empty());
    EXPECT_TRUE(accepted(*t));
    EXPECT_FALSE(t->isVisible());
    ASSERT_EQ(f.saved.size(), 1u);
    EXPECT_EQ(f.saved[0].player_name, name);  // untrimmed
    EXPECT_EQ(f.saved[0].skin, "4");
    EXPECT_EQ(f.saved[0].win, "2");
    EXPECT_EQ(f.saved[0].loss, "3");
    EXPECT_EQ(f.saved[0].draw, "1");
    EXPECT_EQ(f.settings.player_name, name);
    EXPECT_FALSE(f.open_cards);
  }
}

TEST(Title, RetryAfterARefusalIsAccepted) {
  TitleFixture f;
  auto t = f.make("LILA");
  QTest::keyClick(t->nameBox(), Qt::Key_Return);
  EXPECT_EQ(f.asked.size(), 1u);
  EXPECT_FALSE(accepted(*t));
  // The whole name is still selected, so typing replaces it.
  t->nameBox()->selectAll();
  t->nameBox()->insert(QStringLiteral("Лиля"));
  QTest::keyClick(t->nameBox(), Qt::Key_Return);  // Enter presses OK
  EXPECT_TRUE(accepted(*t));
  EXPECT_EQ(f.settings.player_name, "Лиля");
}

TEST(Title, KvardoSwitchesOnTheShowCardsButtonForTheRun) {
  TitleFixture f;
  auto t = f.make("kvardo");
  QTest::mouseClick(t->okButton(), Qt::LeftButton);
  EXPECT_TRUE(f.open_cards);
  EXPECT_EQ(f.saved.at(0).player_name, "kvardo");

  TitleFixture g;
  auto u = g.make("Kvardo");
  QTest::mouseClick(u->okButton(), Qt::LeftButton);
  EXPECT_FALSE(g.open_cards);

  // Once on, another name does not switch it off again.
  TitleFixture h;
  h.open_cards = true;
  auto v = h.make("Петя");
  QTest::mouseClick(v->okButton(), Qt::LeftButton);
  EXPECT_TRUE(h.open_cards);
}

TEST(Title, NameBoxTakesAtMost254CharactersSoTheNameReadsBack) {
  TitleFixture f;
  auto t = f.make("x");
  EXPECT_EQ(t->nameBox()->maxLength(), 254);
  t->nameBox()->selectAll();
  t->nameBox()->insert(QString(300, QChar(u'я')));
  EXPECT_EQ(t->nameBox()->text().size(), 254);
  QTest::keyClicks(t->nameBox(), QStringLiteral("zz"));  // typing at the limit adds nothing
  EXPECT_EQ(t->nameBox()->text().size(), 254);
  QTest::mouseClick(t->okButton(), Qt::LeftButton);
  ASSERT_EQ(f.saved.size(), 1u);
  EXPECT_EQ(QString::fromStdString(f.saved[0].player_name), QString(254, QChar(u'я')));
}

TEST(Title, CloseBoxEndsWithoutSavingAndEscapeDoesNothing) {
  TitleFixture f;
  auto t = f.make("Маша");
  QTest::keyClick(t.get(), Qt::Key_Escape);
  EXPECT_TRUE(t->isVisible());
  t->nameBox()->setText(QStringLiteral("Даша"));
  t->close();
  EXPECT_FALSE(t->isVisible());
  EXPECT_EQ(t->result(), QDialog::Rejected);
  EXPECT_TRUE(f.saved.empty());
  EXPECT_EQ(f.settings.player_name, "Маша");
}
