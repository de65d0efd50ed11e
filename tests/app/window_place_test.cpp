// The table window opens where the player left it, kept beside the five
// stored values without touching them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "core/table_model.h"
#include "store/ini_backend.h"
#include "store/store.h"
#include "table/carddesk.h"

namespace blefino {
namespace {

TEST(WindowPlace, ComesBackNextRunAndLeavesTheResultsAlone) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Blefino.ini"));
  store::IniBackend backend(path);
  store::Store store(backend, {});
  const Settings results{"Вася", "7", "12", "3", "1"};
  store.save_all(results);
  EXPECT_FALSE(store.load_window().has_value());  // a first run opens in the middle

  QRect left_at;
  {
    Carddesk desk([] { return TableModel{}; });
    desk.show();
    desk.setGeometry(3, 30, 794, 545);  // a place of its own, inside the 800 x 600 test screen
    left_at = desk.geometry();
    store.save_window(desk.placement());
  }
  store.save_all(results);  // a game ends after the window was saved: both stay

  store::IniBackend again(path);
  store::Store next(again, {});
  EXPECT_EQ(next.load_at_startup().win, "12");
  Carddesk desk([] { return TableModel{}; });
  desk.restorePlacement(next.load_window().value_or(""));
  desk.show();
  EXPECT_EQ(desk.geometry(), left_at);

  // Anything else in its place opens the table at its own size.
  Carddesk fresh([] { return TableModel{}; });
  fresh.restorePlacement("not a place");
  fresh.show();
  EXPECT_EQ(fresh.table()->size(), QSize(794, 529));
}

}  // namespace
}  // namespace blefino
