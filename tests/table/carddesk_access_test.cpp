// The table as a screen reader meets it: Russian names, roles and a press for
// every card, hand, pile and line, and what changes announced once.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <map>
#include <vector>

#include "core/narration.h"
#include "table/carddesk.h"
#include "tests/support/fixture.h"

namespace blefino {
namespace {

std::vector<std::pair<QAccessible::Event, QString>> heard;

// Events reach assistive technology only while it listens; Qt's own tests
// switch it on the same way.
struct Listening {
  Listening() {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
      if (QAccessibleInterface* i = e->accessibleInterface())
        heard.emplace_back(e->type(), i->text(QAccessible::Name));
    });
  }
  ~Listening() {
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
  }
};

// Every interface under `iface` by its name; the first of a name wins.
void collect(QAccessibleInterface* iface, std::map<QString, QAccessibleInterface*>& out) {
  for (int i = 0; i < iface->childCount(); ++i) {
    out.emplace(iface->child(i)->text(QAccessible::Name), iface->child(i));
    collect(iface->child(i), out);
  }
}

TEST(CarddeskAccess, EveryCardHandPileAndLineIsNamedInRussianAndChangesAreAnnouncedOnce) {
  TableModel m;
  for (int i = 1; i <= 3; ++i)
    m.koloda3[i] = {241 + 300 * (i - 1), kRestingTop, true, true, 10 + 2 * i};
  m.koloda3[2].top = kRaisedTop;
  m.koloda1[1] = {241, kOpponentRowTop, true, true, back_picture(1)};
  m.konpic[1] = {240, 3840, true, 47};
  m.Labelcpu1.caption = "GRUB";
  m.Labelcpu2.caption = "LILA";
  m.in_heap.caption = " 5";
  m.turn_row = 1;
  int pressed = 0;
  CarddeskEvents e;
  e.card_pressed = [&](int i) { pressed = i; };
  Carddesk w([&m] { return m; }, e);
  w.show();
  Listening listening;

  std::map<QString, QAccessibleInterface*> all;
  collect(QAccessible::queryAccessibleInterface(w.table()), all);
  using enum QAccessible::Role;
  const std::pair<const char*, QAccessible::Role> named[] = {
      {"Ваша рука: 3 карты", List}, {"9 бубен", ListItem},        {"Валет бубен", ListItem},
      {"Рука GRUB: 1 карта", List}, {"карта", ListItem},          {"Кон: 1 карта", List},
      {"Дама пик", ListItem},       {"Куча: 5 карт", StaticText}, {"GRUB: Hello!!!", StaticText},
      {"Верю", PushButton},         {"Туз", RadioButton},         {"Ход: GRUB", Graphic}};
  for (const auto& [name, role] : named) {
    ASSERT_TRUE(all.count(QString::fromUtf8(name))) << name;
    EXPECT_EQ(all[QString::fromUtf8(name)]->role(), role) << name;
  }
  EXPECT_TRUE(all[QStringLiteral("9 бубен")]->state().selected);  // raised
  EXPECT_TRUE(
      all[QStringLiteral("Верю")]->text(QAccessible::Description).contains(QStringLiteral("В")));
  all[QStringLiteral("Валет бубен")]->actionInterface()->doAction(
      QAccessibleActionInterface::pressAction());
  EXPECT_EQ(pressed, 3);

  // The card under the keyboard's frame is the one in focus.
  QApplication::setActiveWindow(&w);
  QTest::keyClick(w.table(), Qt::Key_End);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(w.table())->focusChild()->text(QAccessible::Name),
            QStringLiteral("Валет бубен"));

  heard.clear();
  m.Conversation2.caption = "Не верю!";
  m.koncard.caption = "Туз";
  w.showModel();
  for (const char* line : {"LILA: Не верю!", "Заявка: Туз"})
    EXPECT_EQ(std::count(heard.begin(), heard.end(),
                         std::pair(QAccessible::NameChanged, QString::fromUtf8(line))),
              1)
        << line;
  heard.clear();
  w.showModel();  // nothing changed: nothing to say
  EXPECT_EQ(std::count_if(heard.begin(), heard.end(),
                          [](auto& e) { return e.first == QAccessible::NameChanged; }),
            0);

  // An opponent's move in words goes to the status line, and is told again
  // when the next move reads the same; И lists the round, the newest under the keyboard.
  testing::Table game;
  game.position({}, {}, {}, 8, 6);
  Narrator narrator(game.g);
  w.followNarration(&narrator);
  game.g.batch = testing::pile({47, 37});
  claim(game.g, 7);
  narrator.played(Seat::Cpu1, Play::Led);
  narrator.played(Seat::Cpu2, Play::Added);
  narrator.played(Seat::Cpu2, Play::Added);
  w.showModel();
  const QString lila = QStringLiteral("LILA добавила 2 карты, заявка: дамы.");
  EXPECT_EQ(std::count(heard.begin(), heard.end(), std::pair(QAccessible::NameChanged, lila)), 2);
  QStringList listed;
  QTimer::singleShot(0, [&] {
    auto* list = QApplication::activeModalWidget()->findChild<QListWidget*>();
    for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
    listed << list->currentItem()->text();
    QApplication::activeModalWidget()->close();
  });
  QTest::keyClick(w.table(), Qt::Key_B);
  EXPECT_EQ(listed, (QStringList{QStringLiteral("DORINA положила 2 карты, заявка: дамы."), lila,
                                 lila, lila}));
}

}  // namespace
}  // namespace blefino
