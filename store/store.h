#pragma once
// The settings store: the player's name, the card back and the three result
// counts, kept between runs. Two keys hold them:
//
//   SOFTWARE\Talvik\Blefino\Parameters   skin, name
//   SOFTWARE\Talvik\Blefino\Statistics   win, loss, draw
//
// On Windows the keys live in the registry under HKEY_CURRENT_USER; elsewhere
// they are sections of one per-user INI file. The start-up load and the save
// below are written once, over StoreBackend. Standard library only: the
// Windows build of this file has no Qt.

#include <functional>
#include <optional>
#include <string>

#include "core/host.h"

namespace blefino::store {

inline constexpr const char* kParametersKey = "SOFTWARE\\Talvik\\Blefino\\Parameters";
inline constexpr const char* kStatisticsKey = "SOFTWARE\\Talvik\\Blefino\\Statistics";

// The table window's size and place, kept beside the five values without
// touching them: a section of its own in the file, a value beside the others
// in the registry. The text is the window's own description of its geometry.
#ifdef _WIN32
inline constexpr const char* kWindowKey = kParametersKey;
#else
inline constexpr const char* kWindowKey = "SOFTWARE\\Talvik\\Blefino\\Window";
#endif
inline constexpr const char* kWindowValue = "table";

// The opponents' level, in a key of its own on every system: "1" for
// «Опытные соперники»; anything else, or nothing, is the default pair.
inline constexpr const char* kOpponentsKey = "SOFTWARE\\Talvik\\Blefino\\Opponents";
inline constexpr const char* kLevelValue = "level";

inline constexpr const char* kDefaultName = "введите имя";
inline constexpr const char* kDefaultSkin = "1";
inline constexpr const char* kDefaultCount = "0";

// Every backend reads values through a 255-byte buffer (or behaves as if it
// did): a text of this many characters or more reads as missing.
inline constexpr std::size_t kMaxStoredLength = 255;

inline constexpr const char* kTitle = "Блефино";
inline constexpr const char* kUnableToCreateKey = "Unable to Create Key.";

// Where the values are kept. Texts are UTF-8. Failures are reported through
// the results; a backend throws only for the unexpected (see Store).
class StoreBackend {
 public:
  virtual ~StoreBackend() = default;

  // Creates the key, or opens it when it exists, and closes it again.
  virtual bool create_key(const std::string& path) = 0;
  // Opens the key for reading and closes it: true when it exists.
  virtual bool open_key(const std::string& path) = 0;
  // Creates or opens the key and writes one value; true when the value was written.
  virtual bool write_value(const std::string& path, const std::string& name,
                           const std::string& text) = 0;
  // The stored text, or nothing when the key or the value is missing or the
  // text is too long to read back.
  virtual std::optional<std::string> read_value(const std::string& path,
                                                const std::string& name) = 0;

  // Writes between these two belong together. A backend that rewrites a
  // whole file does it once, at the end, so that a crash in between leaves
  // the previous save intact. end_batch() is true when everything was written.
  virtual void begin_batch() {}
  virtual bool end_batch() { return true; }

  // Clears what an interrupted save left behind; called at start-up.
  virtual void remove_leftovers() {}
  // Reads the stored values afresh; called once at start-up, before any read.
  virtual void reload() {}
  // When the stored values cannot be used at all, what the player is told
  // (where and why); empty otherwise. The game then plays with defaults.
  virtual std::string unusable() const { return {}; }
  // Where the values are kept and why the last write failed, in words for
  // the player; empty when there is nothing to say.
  virtual std::string location() const { return {}; }
  virtual std::string last_error() const { return {}; }
};

// (text, title, icon): a modal message with an OK button.
using MessageFn = std::function<void(const std::string& text, const std::string& title, Icon icon)>;

// The store as the game uses it. It never throws: an unexpected error inside
// an operation fails it (create and write return false, read returns the
// empty text); at start-up it is shown as "ERROR #<number> : <description>",
// once a run, and during a save it is a failed save like any other.
// The first save of a run that fails is told to the player, with where and
// why; the game goes on with the values in memory and later saves try again
// without a word. Stored values that cannot be used at all are told once at
// start-up instead, and the game plays with the defaults.
class Store {
 public:
  Store(StoreBackend& backend, MessageFn message);

  bool create_key(const std::string& path);
  bool write_value(const std::string& path, const std::string& name, const std::string& text);
  // Missing (or too long) values read as nothing.
  std::optional<std::string> read_value(const std::string& path, const std::string& name);

  // Loads the five values at start-up, writing defaults for what is missing,
  // after clearing what an interrupted save of an earlier run left behind.
  // Counts come back as the numbers they stand for (0 to kMaxCount) and are
  // written back so where they read otherwise. All of it is one save. When a key cannot be created,
  // "Unable to Create Key." is shown once for it and the game runs on: the name and back keep what
  // `current` holds, the counts become "0".
  Settings load_at_startup(Settings current = {});

  // Writes all five values: skin and name, then win, loss and draw.
  void save_all(const Settings& settings);

  // The table window's remembered place, or nothing the first time.
  std::optional<std::string> load_window();
  void save_window(const std::string& text);

  // The opponents the player chose, the default pair the first time.
  Level load_level();
  void save_level(Level level);

 private:
  // Runs one backend operation; whatever it throws is kept in trouble_ and
  // the operation gives `on_error`.
  template <typename Result, typename Op>
  Result guarded(Result on_error, Op op) noexcept;
  // The same, and what it threw is shown (once a run).
  template <typename Result, typename Op>
  Result shown(Result on_error, Op op);
  // Writes a value, telling the player when it fails for the first time.
  bool save_value(const std::string& path, const std::string& name, const std::string& text);
  void tell_failed_save();
  void tell_unable_to_create_key();

  StoreBackend& backend_;
  MessageFn message_;
  struct Trouble {
    int number;
    std::string description;
  };
  std::optional<Trouble> trouble_;  // what the last failed operation threw
  bool error_told_ = false;
  bool failed_save_told_ = false;
};

// What the player is told when a save fails: what, where and why.
std::string failed_save_text(const std::string& location, const std::string& reason);

// A system error number (errno) in words for the player.
std::string reason_in_words(int error_number);

// True for the names the start-up window refuses: empty, or exactly one of
// the opponents' names.
bool is_reserved_name(const std::string& name);

}  // namespace blefino::store
