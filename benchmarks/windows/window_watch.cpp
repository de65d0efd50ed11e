// Starts a program and reports how long it takes until its first top-level
// window is mapped on the X display, in milliseconds:
//   blefino_window_watch PROGRAM [ARGS...]
// The program is ended again once its window is up.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  if (child < 0) return 2;

  double elapsed_ms = -1;
  const auto deadline = start + std::chrono::seconds(30);
  pollfd fd{ConnectionNumber(display), POLLIN, 0};
  while (elapsed_ms < 0 && std::chrono::steady_clock::now() < deadline) {
    while (XPending(display)) {
      XEvent e;
      XNextEvent(display, &e);
      if (e.type == MapNotify && e.xmap.event == root && !e.xmap.override_redirect) {
        elapsed_ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        break;
      }
    }
    if (elapsed_ms < 0) poll(&fd, 1, 50);
    int status = 0;
    if (elapsed_ms < 0 && waitpid(child, &status, WNOHANG) == child) {
      std::fprintf(stderr, "the program ended before showing a window\n");
      return 1;
    }
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  if (elapsed_ms < 0) {
    std::fprintf(stderr, "no window within 30 s\n");
    return 1;
  }
  std::printf("%.1f\n", elapsed_ms);
  return 0;
}
