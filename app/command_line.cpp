#include "app/command_line.h"

#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

#ifndef BLEFINO_VERSION
#error "the build passes the program's version as BLEFINO_VERSION"
#endif

namespace blefino::app {

namespace {

constexpr const char* kUsage =
    "Использование: blefino [--help | --version]\n"
    "\n"
    "Блефино — карточная игра на блеф против двух компьютерных соперников.\n"
    "\n"
    "  -h, --help     показать эту справку и выйти\n"
    "      --version  показать название и версию программы и выйти\n"
    "\n"
    "Переменные окружения:\n"
    "  BLEFINO_OPEN_CARDS=1  кнопка «Открыть карты» видна с первой раздачи\n"
    "  BLEFINO_TRACE=1       передача хода, окна сообщений и концы партий\n"
    "                        печатаются в стандартный поток ошибок\n"
    "  BLEFINO_SEED=n        одни и те же раздачи и ходы при каждом запуске\n"
    "\n"
#ifdef _WIN32
    "Имя игрока, рубашка карт и статистика хранятся в реестре, в разделе\n"
    "HKEY_CURRENT_USER\\SOFTWARE\\Talvik\\Blefino.\n";
#else
    "Имя игрока, рубашка карт и статистика хранятся в файле\n"
    "~/.config/Talvik/Blefino.ini (или $XDG_CONFIG_HOME/Talvik/Blefino.ini).\n";
#endif

// Writes UTF-8 `text` to `f`. On Windows the program is built for windows,
// not for the console, so started from a console window it has no standard
// streams of its own: the answer goes to the console it was started from, in
// wide characters that show right whatever the console's code page. A stream
// sent to a file or a pipe gets UTF-8.
void put(std::FILE* f, const std::string& text) {
#ifdef _WIN32
  if (f == stdout || f == stderr) {
    HANDLE h = GetStdHandle(f == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if ((h == nullptr || h == INVALID_HANDLE_VALUE) &&
        (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED))
      h = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, 0, nullptr);
    DWORD mode = 0;
    if (h != nullptr && h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode)) {
      const int size = static_cast<int>(text.size());
      std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
      MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(),
                          static_cast<int>(wide.size()));
      DWORD written = 0;
      WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
      return;
    }
  }
#endif
  std::fputs(text.c_str(), f);
}

}  // namespace

std::optional<int> answer_command_line(int argc, const char* const* argv, std::FILE* out,
                                       std::FILE* err) {
  bool help = false;
  bool version = false;
  // A mistyped option must not start the game as if nothing had been said.
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--version") {
      version = true;
    } else {
      put(err, std::string("blefino: неизвестный параметр «") + argv[i] + "»\n\n" + kUsage);
      return 2;
    }
  }
  if (help) {
    put(out, kUsage);
    return 0;
  }
  if (version) {
    put(out, "Блефино (blefino) " BLEFINO_VERSION "\n");
    return 0;
  }
  return std::nullopt;
}

}  // namespace blefino::app
