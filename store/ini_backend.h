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

#include <QString>
#include <memory>
#include <optional>

#include "store/ini_text.h"
#include "store/store.h"

namespace blefino::store {

class IniBackend : public StoreBackend {
 public:
  explicit IniBackend(QString file_path);

  // Makes sure the folder exists and the file can be read and written. The
  // section itself appears with its first value.
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
  std::string location() const override { return file_path_.toStdString(); }
  std::string last_error() const override { return last_error_.toStdString(); }

  const QString& file_path() const { return file_path_; }

 private:
  // The file as it stands: empty when there is none, nothing when it exists
  // but cannot be read (then it must not be written over either).
  std::optional<IniDocument> read();
  bool write(const IniDocument& document);

  QString file_path_;
  bool batching_ = false;
  std::optional<IniDocument> batch_;  // the pending save, while a batch is open
  QString last_error_;
};

// $XDG_CONFIG_HOME/Talvik/Blefino.ini, or ~/.config/Talvik/Blefino.ini.
QString default_ini_path();

// The store of this system: the registry on Windows, the INI file elsewhere.
std::unique_ptr<StoreBackend> make_default_backend();

}  // namespace blefino::store
