#pragma once
// The store outside Windows: one per-user INI file, by default
// $XDG_CONFIG_HOME/Talvik/Blefino.ini (~/.config/Talvik/Blefino.ini), with a
// section per key:
//
//   [Parameters]  skin, name
//   [Statistics]  win, loss, draw
//
// The file is UTF-8 and always replaced whole (write a new file, then rename
// it over the old one), so a crash during a save leaves the previous save.

#include <QString>
#include <memory>

#include "store.h"

class QSettings;

namespace blefino::store {

class IniBackend : public StoreBackend {
 public:
  explicit IniBackend(QString file_path);
  ~IniBackend() override;

  // Makes sure the folder exists and the file can be written. The section
  // itself appears with its first value.
  bool create_key(const std::string& path) override;
  // True when the file has the key's section.
  bool open_key(const std::string& path) override;
  bool write_value(const std::string& path, const std::string& name,
                   const std::string& text) override;
  std::optional<std::string> read_value(const std::string& path,
                                        const std::string& name) override;
  void begin_batch() override;
  bool end_batch() override;

  const QString& file_path() const { return file_path_; }

 private:
  std::unique_ptr<QSettings> open() const;

  QString file_path_;
  std::unique_ptr<QSettings> batch_;  // the pending save, while a batch is open
};

// $XDG_CONFIG_HOME/Talvik/Blefino.ini, or ~/.config/Talvik/Blefino.ini.
QString default_ini_path();

// The store of this system: the registry on Windows, the INI file elsewhere.
std::unique_ptr<StoreBackend> make_default_backend();

}  // namespace blefino::store
