#pragma once
// The store outside Windows: one per-user INI file, by default
// $XDG_CONFIG_HOME/Talvik/Blefino.ini (~/.config/Talvik/Blefino.ini), with a
// section per key:
//
//   [Parameters]  skin, name
//   [Statistics]  win, loss, draw
//
// The file is UTF-8 and always replaced whole (a new file written beside it,
// then renamed over it), so a crash during a save leaves the previous save.
// A damaged file gives up only what cannot be read (see ini_text.h).
//
// The file is read once per start (reload()) and written once per save.
// Whatever stands in its place that is not a plain file (a pipe, a socket, a
// device, a folder, a ring of links), a file larger than kMaxFileBytes and a
// file that cannot be read are refused: never opened in a way that could
// wait, never replaced, never removed; the game then plays with defaults.

#include <QString>
#include <memory>
#include <optional>

#include "store/ini_text.h"
#include "store/store.h"

namespace blefino::store {

// No settings of ours come near this; a larger file is somebody else's.
inline constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

class IniBackend : public StoreBackend {
 public:
  explicit IniBackend(QString file_path);

  // True when the folder is there (made if need be) and the file is not
  // refused. The section itself appears with its first value.
  bool create_key(const std::string& path) override;
  // True when the file has the key's section.
  bool open_key(const std::string& path) override;
  bool write_value(const std::string& path, const std::string& name,
                   const std::string& text) override;
  std::optional<std::string> read_value(const std::string& path, const std::string& name) override;
  void begin_batch() override;
  bool end_batch() override;
  // Removes what saves killed midway left next to the file: Qt's temporary
  // files, named after ours with a dot and six random letters
  // ("Blefino.ini.hKqWzE").
  void remove_leftovers() override;
  void reload() override;
  std::string unusable() const override { return unusable_; }
  std::string location() const override { return file_path_.toStdString(); }
  std::string last_error() const override { return last_error_; }

  const QString& file_path() const { return file_path_; }

  // How many times the file was read and written, for the tests.
  int reads = 0;
  int writes = 0;

 private:
  void read_if_not_yet();
  // Reads the file into document_, or says in refused_ why it must be left alone.
  void read();
  bool write();

  QString file_path_;
  std::optional<IniDocument> document_;  // nothing until the file is read
  std::string refused_;                  // why the file is left alone; empty when it is not
  std::string unusable_;                 // the whole text the player is shown, or empty
  bool batching_ = false;
  bool changed_ = false;  // since the last write
  std::string last_error_;
};

// $XDG_CONFIG_HOME/Talvik/Blefino.ini, or ~/.config/Talvik/Blefino.ini.
QString default_ini_path();

// The store of this system: the registry on Windows, the INI file elsewhere.
std::unique_ptr<StoreBackend> make_default_backend();

}  // namespace blefino::store
