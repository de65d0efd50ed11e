#include "store/store.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <new>
#include <system_error>
#include <utility>

#include "core/card.h"
#include "core/stored_count.h"

namespace blefino::store {

bool is_reserved_name(const std::string& name) {
  if (name.empty()) return true;
  return std::find(kOpponentNames.begin() + 1, kOpponentNames.end(), name) != kOpponentNames.end();
}

std::string failed_save_text(const std::string& location, const std::string& reason) {
  std::string text = "Не удалось сохранить имя игрока, рубашку и счёт игр в\n" + location;
  if (!reason.empty()) text += "\n(" + reason + ")";
  return text +
         "\n\nИгра продолжается; если сохранить так и не удастся, изменения пропадут "
         "при выходе из игры.";
}

std::string reason_in_words(int error_number) {
  using std::errc;
  const std::error_condition e = std::generic_category().default_error_condition(error_number);
  if (e == errc::permission_denied || e == errc::operation_not_permitted) return "нет прав доступа";
  if (e == errc::read_only_file_system) return "диск доступен только для чтения";
  if (e == errc::no_space_on_device) return "на диске не осталось места";
#ifdef EDQUOT
  if (error_number == EDQUOT) return "исчерпана дисковая квота";
#endif
  if (e == errc::file_too_large) return "файл превысил допустимый размер";
  if (e == errc::too_many_symbolic_link_levels) return "символические ссылки замыкаются в кольцо";
  if (e == errc::not_a_directory) return "на пути к файлу стоит файл, а не папка";
  if (e == errc::no_such_file_or_directory) return "папки или файла нет";
  if (e == errc::is_a_directory) return "на месте файла стоит папка";
  if (e == errc::filename_too_long) return "слишком длинное имя файла";
  if (e == errc::io_error) return "ошибка ввода-вывода: диск повреждён или отключён";
  if (e == errc::not_enough_memory) return "не хватает памяти";
  if (e == errc::too_many_files_open || e == errc::too_many_files_open_in_system)
    return "открыто слишком много файлов";
  if (e == errc::device_or_resource_busy) return "файл занят";
  return "системная ошибка № " + std::to_string(error_number);
}

Store::Store(StoreBackend& backend, MessageFn message)
    : backend_(backend), message_(std::move(message)) {}

template <typename Result, typename Op>
Result Store::guarded(Result on_error, Op op) noexcept {
  try {
    try {
      return op();
    } catch (const std::bad_alloc&) {
      trouble_ = Trouble{7, "не хватает памяти"};
    } catch (const std::system_error& e) {
      const std::error_category& kind = e.code().category();
      trouble_ = Trouble{e.code().value(),
                         kind == std::generic_category() || kind == std::system_category()
                             ? reason_in_words(e.code().value())
                             : e.what()};
    } catch (const std::exception& e) {
      trouble_ = Trouble{51, e.what()};
    } catch (...) {
      trouble_ = Trouble{51, "внутренняя ошибка"};
    }
  } catch (...) {
    trouble_ = Trouble{7, {}};  // no memory even for the words
  }
  return on_error;
}

template <typename Result, typename Op>
Result Store::shown(Result on_error, Op op) {
  trouble_.reset();
  Result result = guarded(std::move(on_error), op);
  if (trouble_ && !error_told_ && message_) {
    error_told_ = true;
    message_("ERROR #" + std::to_string(trouble_->number) + " : " + trouble_->description +
                 "\nPlease exit and try again.",
             kTitle, Icon::None);
  }
  return result;
}

bool Store::create_key(const std::string& path) {
  return shown(false, [&] { return backend_.create_key(path); });
}

bool Store::write_value(const std::string& path, const std::string& name, const std::string& text) {
  trouble_.reset();
  return guarded(false, [&] { return backend_.write_value(path, name, text); });
}

std::optional<std::string> Store::read_value(const std::string& path, const std::string& name) {
  return shown(std::optional<std::string>(std::string()),
               [&] { return backend_.read_value(path, name); });
}

void Store::tell_failed_save() {
  if (failed_save_told_) return;
  failed_save_told_ = true;
  if (!message_) return;
  const std::string reason = trouble_
                                 ? trouble_->description
                                 : guarded(std::string(), [&] { return backend_.last_error(); });
  message_(failed_save_text(backend_.location(), reason), kTitle, Icon::Information);
}

bool Store::save_value(const std::string& path, const std::string& name, const std::string& text) {
  const bool ok = write_value(path, name, text);
  if (!ok) tell_failed_save();
  return ok;
}

// Not after an error already shown: that one said it.
void Store::tell_unable_to_create_key() {
  if (message_ && !error_told_) message_(kUnableToCreateKey, kTitle, Icon::None);
}

Settings Store::load_at_startup(Settings current) {
  Settings s = std::move(current);
  shown(0, [&] {
    backend_.remove_leftovers();
    backend_.reload();
    return 0;
  });
  if (const std::string why = shown(std::string(), [&] { return backend_.unusable(); });
      !why.empty()) {
    // Told now, once: the saves that cannot be made stay silent.
    failed_save_told_ = true;
    if (message_) message_(why, kTitle, Icon::Information);
    return Settings{std::string(kDefaultName)};
  }
  // The defaults written below reach the file in one save.
  guarded(0, [&] {
    backend_.begin_batch();
    return 0;
  });

  if (!shown(false, [&] { return backend_.open_key(kParametersKey); })) {
    if (create_key(kParametersKey)) {
      save_value(kParametersKey, "skin", kDefaultSkin);
      save_value(kParametersKey, "name", kDefaultName);
      s.skin = kDefaultSkin;
      s.player_name = kDefaultName;
    } else {
      tell_unable_to_create_key();
    }
  } else {
    // A missing value is told apart from any text, so a player really named
    // "Not Found" keeps the name.
    std::optional<std::string> skin = read_value(kParametersKey, "skin");
    std::optional<std::string> name = read_value(kParametersKey, "name");
    if (!skin) {
      save_value(kParametersKey, "skin", kDefaultSkin);
      skin = kDefaultSkin;
    }
    if (!name || is_reserved_name(*name)) {
      save_value(kParametersKey, "name", kDefaultName);
      name = kDefaultName;
    }
    s.skin = std::move(*skin);
    s.player_name = std::move(*name);
  }

  if (!shown(false, [&] { return backend_.open_key(kStatisticsKey); })) {
    if (create_key(kStatisticsKey)) {
      for (const char* value : {"win", "loss", "draw"})
        save_value(kStatisticsKey, value, kDefaultCount);
    } else {
      tell_unable_to_create_key();
    }
    s.win = s.loss = s.draw = std::string(kDefaultCount);  // gcc 12: see below
  } else {
    auto load_count = [&](const char* value, std::string& into) {
      if (std::optional<std::string> text = read_value(kStatisticsKey, value)) {
        // The number it stands for ("abc" and "-5" are 0, a count too large
        // is the largest), written back so.
        into = std::to_string(stored_count(*text));
        if (into != *text) save_value(kStatisticsKey, value, into);
      } else {
        save_value(kStatisticsKey, value, kDefaultCount);
        into =
            std::string(kDefaultCount);  // not `= kDefaultCount`: gcc 12 warns falsely (-Wrestrict)
      }
    };
    load_count("win", s.win);
    load_count("loss", s.loss);
    load_count("draw", s.draw);
  }
  trouble_.reset();
  if (!guarded(false, [&] { return backend_.end_batch(); })) tell_failed_save();
  return s;
}

void Store::save_all(const Settings& settings) {
  trouble_.reset();
  guarded(0, [&] {
    backend_.begin_batch();
    return 0;
  });
  // Every value is tried even after one threw; the first trouble is the one told.
  std::optional<Trouble> first = trouble_;
  bool ok = true;
  auto write = [&](const char* path, const char* name, const std::string& text) {
    ok = write_value(path, name, text) && ok;
    if (!first) first = trouble_;
  };
  write(kParametersKey, "skin", settings.skin);
  write(kParametersKey, "name", settings.player_name);
  write(kStatisticsKey, "win", settings.win);
  write(kStatisticsKey, "loss", settings.loss);
  write(kStatisticsKey, "draw", settings.draw);
  trouble_.reset();
  ok = guarded(false, [&] { return backend_.end_batch(); }) && ok;
  if (!first) first = trouble_;
  trouble_ = first;
  if (!ok) tell_failed_save();
}

std::optional<std::string> Store::load_window() { return read_value(kWindowKey, kWindowValue); }

void Store::save_window(const std::string& text) { save_value(kWindowKey, kWindowValue, text); }

Level Store::load_level() {
  return read_value(kOpponentsKey, kLevelValue) == "1" ? Level::Experienced : Level::Default;
}

void Store::save_level(Level level) {
  save_value(kOpponentsKey, kLevelValue, level == Level::Experienced ? "1" : "0");
}

}  // namespace blefino::store
