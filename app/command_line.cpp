#include "app/command_line.h"

#include <string_view>

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
      std::fprintf(err, "blefino: неизвестный параметр «%s»\n\n%s", argv[i], kUsage);
      return 2;
    }
  }
  if (help) {
    std::fputs(kUsage, out);
    return 0;
  }
  if (version) {
    std::fputs("Блефино (blefino) " BLEFINO_VERSION "\n", out);
    return 0;
  }
  return std::nullopt;
}

}  // namespace blefino::app
