// The table as a screen reader meets it, through Qt's accessibility
// interfaces: Russian names and roles, and what is announced when it changes.
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "carddesk.h"
#include "message_box_builder.h"
#include "qt_host.h"

namespace blefino {
namespace {

// Every interface under `iface` by its name, with its role.
void collect(QAccessibleInterface* iface, std::map<QString, QAccessibleInterface*>& out) {
  for (int i = 0; i < iface->childCount(); ++i) {
    QAccessibleInterface* c = iface->child(i);
    out.emplace(c->text(QAccessible::Name), c);
    collect(c, out);
  }
}

// Events reach assistive technology only while it listens; Qt's own tests
// switch it on the same way.
struct Listening {
  Listening() {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
      if (QAccessibleInterface* i = e->accessibleInterface()) heard().emplace_back(e->type(), i->text(QAccessible::Name));
    });
  }
  ~Listening() {
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
  }
  static std::vector<std::pair<QAccessible::Event, QString>>& heard() {
    static std::vector<std::pair<QAccessible::Event, QString>> events;
    return events;
  }
  bool said(QAccessible::Event type, const QString& name) const {
    return std::find(heard().begin(), heard().end(), std::pair(type, name)) != heard().end();
  }
};

TEST(CarddeskAccess, EveryCardHandPileAndLineHasARussianNameAndRole) {
  TableModel m;
  for (int i = 1; i <= 3; ++i) m.koloda3[i] = {241 + 300 * (i - 1), kRestingTop, true, true, 10 + 2 * i};
  m.koloda3[2].top = kRaisedTop;
  m.koloda1[1] = {241, 2160, true, true, back_picture(1)};
  m.konpic[1] = {240, 3840, true, 47};
  m.Labelcpu1.caption = "GRUB";
  m.in_heap.caption = " 5";
  m.Conversation1.caption = "Hello!!!";
  Carddesk w([&m] { return m; });
  w.show();

  std::map<QString, QAccessibleInterface*> all;
  collect(QAccessible::queryAccessibleInterface(w.table()), all);
  auto role = [&](const char* name) { return all.count(QString::fromUtf8(name)) ? all[QString::fromUtf8(name)]->role() : QAccessible::NoRole; };
  EXPECT_EQ(role("Ваша рука: 3 карты"), QAccessible::List);
  EXPECT_EQ(role("9 бубен"), QAccessible::ListItem);
  EXPECT_EQ(role("Валет бубен"), QAccessible::ListItem);
  EXPECT_TRUE(all[QStringLiteral("9 бубен")]->state().selected);  // raised
  EXPECT_EQ(role("Рука GRUB: 1 карта"), QAccessible::List);
  EXPECT_EQ(role("карта"), QAccessible::ListItem);
  EXPECT_EQ(role("Кон: 1 карта"), QAccessible::List);
  EXPECT_EQ(role("Дама пик"), QAccessible::ListItem);
  EXPECT_NE(role("Куча: 5 карт"), QAccessible::NoRole);  // the pile and its count
  EXPECT_EQ(role("GRUB: Hello!!!"), QAccessible::StaticText);
  EXPECT_EQ(role("Верю"), QAccessible::PushButton);
  EXPECT_EQ(role("Туз"), QAccessible::RadioButton);
  EXPECT_TRUE(all[QStringLiteral("Верю")]->text(QAccessible::Description).contains(QStringLiteral("В")));

  // The card under the keyboard's frame is the one in focus.
  QApplication::setActiveWindow(&w);
  w.table()->setFocus();
  QTest::keyClick(w.table(), Qt::Key_End);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(w.table())->focusChild()->text(QAccessible::Name),
            QStringLiteral("Валет бубен"));
}

TEST(CarddeskAccess, NewLinesClaimsAndVerdictsAreAnnounced) {
  TableModel m;
  m.Labelcpu2.caption = "LILA";
  Carddesk w([&m] { return m; });
  w.show();
  Listening listening;
  m.Conversation2.caption = "Не верю!";
  m.koncard.caption = "Туз";
  w.showModel();
  EXPECT_TRUE(listening.said(QAccessible::NameChanged, QStringLiteral("LILA: Не верю!")));
  EXPECT_TRUE(listening.said(QAccessible::NameChanged, QStringLiteral("Заявка: Туз")));

  // A verdict is a message box, which Qt announces as an alert.
  auto box = make_message_box("Я беру", "LILA", Icon::Question, Buttons::Ok);
  box->show();
  EXPECT_TRUE(listening.said(QAccessible::Alert, QStringLiteral("LILA")));
}

}  // namespace
}  // namespace blefino
