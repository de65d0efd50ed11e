// How long the table takes to draw, and how much CPU a pause between
// computer moves burns. Runs offscreen unless a display is asked for.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "core/game.h"
#include "opponents/opponents.h"
#include "table/carddesk.h"
#include "table/qt_host.h"

namespace {

double cpu_seconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  auto secs = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return secs(u.ru_utime) + secs(u.ru_stime);
}

// A dealt game: three hands of 12, the opponents' cards face up, a batch of four.
struct DealtTable {
  DealtTable() {
    g.settings.skin = std::string("3");  // not a literal: gcc 12 warns falsely (-Wrestrict)
    host.setWindow(&desk);
    blefino::new_game(g);
    g.show_cards = true;
    blefino::Pile& hand = g.hand(blefino::Seat::Cpu1);
    for (int i = 0; i < 4; ++i) {
      g.batch.add(hand.last());
      hand.remove(hand.count());
      hand.add(g.batch.last());  // back in the hand: it stays 12
    }
    g.batch_face_up = true;
    desk.show();
  }
  // The window at `size`, laid out (on the offscreen platform that paints it
  // too). The image to draw into is made once, as large as the largest table.
  void resize(QSize size) {
    desk.resize(size);
    QApplication::processEvents();
    if (image.isNull()) {
      image =
          QImage(QSize(1920, 1080) * desk.devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
      image.setDevicePixelRatio(desk.devicePixelRatioF());
    }
  }
  void redraw() {
    desk.showModel();
    desk.table()->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }

  blefino::QtHost host{{}, std::chrono::milliseconds(0)};
  blefino::MtRandom rng{7};
  blefino::ComputerOpponents opponents;
  blefino::Game g{host, rng, opponents};
  blefino::Carddesk desk{blefino::view_of(g)};
  QImage image;
};

// The table at its own size.
void BM_FullTableRedraw(benchmark::State& state) {
  DealtTable t;
  t.resize(t.desk.size());
  t.redraw();  // warm the picture cache, as the first deal does
  for (auto _ : state) t.redraw();
}
BENCHMARK(BM_FullTableRedraw)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// A 1920 x 1080 window: the table twice its size, pictures drawn for that scale.
void BM_MaximisedTableRedraw(benchmark::State& state) {
  DealtTable t;
  t.resize({1920, 1080});
  t.redraw();
  for (auto _ : state) t.redraw();
  const QSize table = t.desk.table()->size();
  state.counters["scale"] = std::min(table.width() / 794.0, table.height() / 529.0);
}
BENCHMARK(BM_MaximisedTableRedraw)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// One step of dragging the window's corner between the table's own size and
// 1920 x 1080 (scale 1 to 2.04), a new scale every step: the window is
// resized, every control placed and given its font anew, the window painted
// (the offscreen platform paints on a resize as a screen would) with what
// pictures the frame has time to draw, and one idle pass draws more.
void BM_ResizeStep(benchmark::State& state) {
  DealtTable t;
  struct PaintCount : QObject {
    bool eventFilter(QObject*, QEvent* e) override {
      paints += e->type() == QEvent::Paint;
      return false;
    }
    int paints = 0;
  } count;
  t.desk.table()->installEventFilter(&count);
  const QSize frame = t.desk.size() - t.desk.table()->size();
  int step = 0;
  for (auto _ : state) {
    const double s = 1.0 + 1.04 * (step++ % 97) / 96;  // never the same twice running
    t.desk.resize(QSize(qRound(794 * s), qRound(529 * s)) + frame);
    QApplication::processEvents();
  }
  state.counters["paints_per_step"] = static_cast<double>(count.paints) / step;
}
BENCHMARK(BM_ResizeStep)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// One 1.5-second pause: wall time is the pause itself, the counter is the CPU it used.
void BM_PauseCpu(benchmark::State& state) {
  blefino::QtHost host;
  double cpu = 0;
  for (auto _ : state) {
    const double before = cpu_seconds();
    host.pause();
    cpu += cpu_seconds() - before;
  }
  state.counters["cpu_s_per_pause"] =
      benchmark::Counter(cpu / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PauseCpu)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
