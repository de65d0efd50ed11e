#include "store/store.h"

#include <algorithm>
#include <exception>
#include <new>
#include <system_error>
#include <utility>

#include "core/card.h"

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

Store::Store(StoreBackend& backend, MessageFn message)
    : backend_(backend), message_(std::move(message)) {}

void Store::show_error(int number, const std::string& description) {
  if (message_)
    message_(
        "ERROR #" + std::to_string(number) + " : " + description + "\nPlease exit and try again.",
        kTitle, Icon::None);
}

// Runs one backend operation; whatever it throws becomes the ERROR message
// and the operation's failure result, so the game never stops over settings.
template <typename Result, typename Op>
Result Store::guarded(Result on_error, Op op) {
  try {
    return op();
  } catch (const std::system_error& e) {
    show_error(e.code().value(), e.what());
  } catch (const std::bad_alloc&) {
    show_error(7, "Out of memory");
  } catch (const std::exception& e) {
    show_error(51, e.what());
  } catch (...) {
    show_error(51, "Internal error");
  }
  return on_error;
}

bool Store::create_key(const std::string& path) {
  return guarded(false, [&] { return backend_.create_key(path); });
}

bool Store::write_value(const std::string& path, const std::string& name, const std::string& text) {
  return guarded(false, [&] { return backend_.write_value(path, name, text); });
}

std::optional<std::string> Store::read_value(const std::string& path, const std::string& name) {
  return guarded(std::optional<std::string>(std::string()),
                 [&] { return backend_.read_value(path, name); });
}

void Store::tell_failed_save() {
  if (failed_save_told_) return;
  failed_save_told_ = true;
  if (message_)
    message_(failed_save_text(backend_.location(), backend_.last_error()), kTitle,
             Icon::Information);
}

bool Store::save_value(const std::string& path, const std::string& name, const std::string& text) {
  const bool ok = write_value(path, name, text);
  if (!ok) tell_failed_save();
  return ok;
}

Settings Store::load_at_startup(Settings current) {
  Settings s = std::move(current);
  guarded(0, [&] {
    backend_.remove_leftovers();
    return 0;
  });

  if (!guarded(false, [&] { return backend_.open_key(kParametersKey); })) {
    if (create_key(kParametersKey)) {
      save_value(kParametersKey, "skin", kDefaultSkin);
      save_value(kParametersKey, "name", kDefaultName);
      s.skin = kDefaultSkin;
      s.player_name = kDefaultName;
    } else if (message_) {
      message_(kUnableToCreateKey, kTitle, Icon::None);
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

  if (!guarded(false, [&] { return backend_.open_key(kStatisticsKey); })) {
    if (create_key(kStatisticsKey)) {
      for (const char* value : {"win", "loss", "draw"})
        save_value(kStatisticsKey, value, kDefaultCount);
    } else if (message_) {
      message_(kUnableToCreateKey, kTitle, Icon::None);
    }
    s.win = s.loss = s.draw = std::string(kDefaultCount);  // gcc 12: see below
  } else {
    auto load_count = [&](const char* value, std::string& into) {
      if (std::optional<std::string> text = read_value(kStatisticsKey, value)) {
        into = std::move(*text);  // kept as text, digits or not
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
  return s;
}

void Store::save_all(const Settings& settings) {
  guarded(0, [&] {
    backend_.begin_batch();
    return 0;
  });
  bool ok = write_value(kParametersKey, "skin", settings.skin);
  ok = write_value(kParametersKey, "name", settings.player_name) && ok;
  ok = write_value(kStatisticsKey, "win", settings.win) && ok;
  ok = write_value(kStatisticsKey, "loss", settings.loss) && ok;
  ok = write_value(kStatisticsKey, "draw", settings.draw) && ok;
  ok = guarded(false, [&] { return backend_.end_batch(); }) && ok;
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
