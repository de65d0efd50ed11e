// The card-back chooser: what OK, a double-click, the keys and the close box
// put on the table, save, and leave for the next game.
#include "windows/skins.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "tests/support/fixture.h"

using namespace blefino;
using blefino::windows::Skins;

TEST(Skins, EachWayOfLeavingTheChooserAndWhatTheNextGameDraws) {
  enum Way { PressThenOk, DoubleClick, EnterAlone, PressThenCloseBox, Keys };
  struct Case {
    const char* stored;
    Way way;
    int tile, table_back;
    const char* saved;
    int next_game_back;
  };
  const Case cases[] = {
      {"1", PressThenOk, 17, 170, "17", 170},
      {"3", DoubleClick, 0, 0, "0", 0},
      // The chooser opens on the back in use: Enter alone keeps it.
      {"7", EnterAlone, -1, 70, "7", 70},
      {"18", EnterAlone, -1, 10, "1", 10},  // no picture for back 18: back 1 is the one in use
      // From 7: right, down, down (no row below), left, Enter.
      {"7", Keys, -1, 130, "13", 130},
      // Closed after a press: the table is left alone, yet the choice is remembered.
      {"2", PressThenCloseBox, 7, 20, nullptr, 70},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "stored " << c.stored << ", tile " << c.tile);
    blefino::testing::Table t;
    t.g.settings.skin = c.stored;
    new_game(t.g);
    const int before = table_view(t.g).Example.picture, shown = t.host.shown;
    Skins s(t.g);
    s.show();
    for (int k = 0; k < Skins::kBacks; ++k) {
      EXPECT_FALSE(s.tile(k)->pixmap().isNull()) << k;
      EXPECT_EQ(s.tile(k)->accessibleName(), QStringLiteral("Рубашка %1").arg(k + 1));
    }
    EXPECT_EQ(s.focusWidget(), s.tile(t.g.back)) << "the back in use has the keys";
    if (c.tile >= 0) {
      QTest::mousePress(s.tile(c.tile), Qt::RightButton);  // any button
      EXPECT_EQ(table_view(t.g).Example.picture, before);  // nothing applied yet
      EXPECT_TRUE(t.host.saved.empty());
    }
    switch (c.way) {
      case PressThenOk:
        QTest::mouseClick(s.okButton(), Qt::LeftButton);
        break;
      case DoubleClick:
        QTest::mouseRelease(s.tile(c.tile), Qt::LeftButton);
        QTest::mouseDClick(s.tile(c.tile), Qt::LeftButton);
        break;
      case EnterAlone:
        QTest::keyClick(&s, Qt::Key_Return);
        break;
      case PressThenCloseBox:
        s.close();
        break;
      case Keys:
        for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Return})
          QTest::keyClick(s.focusWidget(), k);
        break;
    }
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(table_view(t.g).Example.picture, c.table_back);
    EXPECT_EQ(t.host.shown > shown, c.saved != nullptr);  // the table is redrawn with the new back
    EXPECT_EQ(t.host.saved.empty() ? "nothing saved" : t.host.saved.back().skin,
              c.saved ? c.saved : "nothing saved");
    new_game(t.g);
    EXPECT_EQ(table_view(t.g).Example.picture, c.next_game_back);
  }
}
