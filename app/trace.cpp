#include "app/trace.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace blefino {

namespace {

void line(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "blefino-trace: %s%s%s\n", what, detail.empty() ? "" : " ", detail.c_str());
  std::fflush(stderr);
}

const char* seat_word(Seat s) {
  switch (s) {
    case Seat::Cpu1:
      return "cpu1";
    case Seat::Cpu2:
      return "cpu2";
    case Seat::Human:
      break;
  }
  return "human";
}

}  // namespace

bool trace_wanted() {
  const char* v = std::getenv("BLEFINO_TRACE");
  return v && std::strcmp(v, "1") == 0;
}

std::optional<std::uint64_t> seed_wanted() {
  const char* v = std::getenv("BLEFINO_SEED");
  if (!v) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const unsigned long long seed = std::strtoull(v, &end, 10);
  if (*v < '0' || *v > '9' || *end != '\0' || errno == ERANGE) {
    std::fprintf(stderr, "blefino: BLEFINO_SEED=%s is not a whole number; ignored\n", v);
    return std::nullopt;
  }
  return seed;
}

Answer TracingHost::message(const std::string& text, const std::string& title, Icon icon,
                            Buttons buttons) {
  line("message", title + ": " + text);
  return inner_.message(text, title, icon, buttons);
}

void StartupClock::step(const char* name) {
  if (!on_) return;
  const auto now = std::chrono::steady_clock::now();
  char ms[32];
  std::snprintf(ms, sizeof ms, " %.2f",
                std::chrono::duration<double, std::milli>(now - last_).count());
  line("start-up", name + std::string(ms));
  last_ = now;
}

void TracingObserver::dealt(Seat first, int, int) {
  line("deal", std::string("first ") + seat_word(first));
}

void TracingObserver::handed_over() { line("hand-over"); }

void TracingObserver::ended(Result result) {
  line("game-end", result == Result::Win ? "win" : result == Result::Loss ? "loss" : "draw");
}

}  // namespace blefino
