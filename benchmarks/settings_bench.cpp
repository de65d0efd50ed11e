// How long reading the settings takes, by the file's size and shape: a section
// of many keys, many sections, long lines. The time must grow with the size
// alone, whatever the shape; a file beyond the bound is refused at once.
// Run: build/release/benchmarks/blefino_settings_benchmarks
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "store/ini_backend.h"
#include "store/ini_text.h"

namespace {

using blefino::store::IniBackend;
using blefino::store::Store;

enum class Shape { ManyKeys, ManySections, LongLines };
const char* const kShapeNames[] = {"many keys", "many sections", "long lines"};

// The player's own two sections, then `megabytes` of the shape.
QByteArray settings_text(Shape shape, qsizetype megabytes) {
  QByteArray text = "[Parameters]\nname=Петя\nskin=3\n\n[Statistics]\ndraw=1\nloss=2\nwin=3\n\n";
  const qsizetype size = megabytes << 20;
  text.reserve(size + 64);
  if (shape == Shape::ManyKeys) text += "[Extra]\n";
  for (qsizetype i = 0; text.size() < size; ++i) {
    const QByteArray n = QByteArray::number(i);
    if (shape == Shape::ManyKeys) text += "key" + n + '=' + n + '\n';
    if (shape == Shape::ManySections) text += "[section" + n + "]\nkey=" + n + '\n';
    if (shape == Shape::LongLines) text += "line" + n + '=' + QByteArray(1 << 20, 'x') + '\n';
  }
  return text;
}

void BM_ParseSettings(benchmark::State& state) {
  const QByteArray text = settings_text(Shape(state.range(0)), state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(blefino::store::parse_ini(text));
  state.SetBytesProcessed(state.iterations() * text.size());
  state.SetLabel(kShapeNames[state.range(0)]);
}
BENCHMARK(BM_ParseSettings)
    ->ArgsProduct({{0, 1, 2}, {1, 10, 100}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// A settings file of the shape and size in `state`, in a folder of its own.
struct SettingsFile {
  explicit SettingsFile(const benchmark::State& state) {
    QFile file(path);
    const QByteArray text = settings_text(Shape(state.range(0)), state.range(1));
    written = file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
  }
  QTemporaryDir dir;
  const QString path = dir.filePath("Blefino.ini");
  bool written = false;
};

// The start-up's whole load from a file on disk: read once, parsed, the five
// values and the level. 100 MB is past the bound: refused without reading.
void BM_LoadSettingsFile(benchmark::State& state) {
  const SettingsFile file(state);
  if (!file.written) return state.SkipWithError("cannot write the file");
  IniBackend backend(file.path);
  Store store(backend, {});
  for (auto _ : state) {
    benchmark::DoNotOptimize(store.load_at_startup());
    benchmark::DoNotOptimize(store.load_level());
  }
  state.SetLabel(kShapeNames[state.range(0)]);
}
BENCHMARK(BM_LoadSettingsFile)
    ->ArgsProduct({{0, 1, 2}, {1, 10, 100}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A save at the end of a game: the whole file written once, every other line kept.
void BM_SaveSettingsFile(benchmark::State& state) {
  const SettingsFile file(state);
  if (!file.written) return state.SkipWithError("cannot write the file");
  IniBackend backend(file.path);
  Store store(backend, {});
  const blefino::Settings settings = store.load_at_startup();
  for (auto _ : state) store.save_all(settings);
  state.SetLabel(kShapeNames[state.range(0)]);
}
BENCHMARK(BM_SaveSettingsFile)
    ->ArgsProduct({{0, 1, 2}, {1, 10}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
