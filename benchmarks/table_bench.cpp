// How long the table takes to draw, and how much CPU a pause between
// computer moves burns. Runs offscreen unless a display is asked for.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "carddesk.h"
#include "core/game.h"
#include "opponents/opponents.h"
#include "qt_host.h"

namespace {

double cpu_seconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  auto secs = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return secs(u.ru_utime) + secs(u.ru_stime);
}

// A dealt game: three hands of 12, the opponents' cards face up, a batch of four.
void BM_FullTableRedraw(benchmark::State& state) {
  blefino::QtHost host({}, std::chrono::milliseconds(0));
  blefino::MtRandom rng(7);
  blefino::ComputerOpponents opponents;
  blefino::Game g(host, rng, opponents);
  g.settings.skin = "3";
  blefino::Carddesk desk(blefino::view_of(g));
  host.setWindow(&desk);
  blefino::new_game(g);
  g.show_cards = true;
  for (int i = 0; i < 4; ++i) {
    blefino::Pile& hand = g.hand(blefino::Seat::Cpu1);
    g.batch.add(hand.last());
    hand.remove(hand.count());
    hand.add(g.batch.last());  // back in the hand: it stays 12
  }
  g.batch_face_up = true;
  desk.show();

  QWidget* table = desk.table();
  QImage image(table->size() * desk.devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(desk.devicePixelRatioF());
  table->render(&image);  // warm the picture cache, as the first deal does
  for (auto _ : state) {
    desk.showModel();
    table->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_FullTableRedraw)->Unit(benchmark::kMillisecond)->Repetitions(9)
    ->ReportAggregatesOnly(true);

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
