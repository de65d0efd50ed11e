#pragma once
// The Windows store: keys under HKEY_CURRENT_USER, values of type 0 holding
// text in the system's ANSI code page followed by one zero byte. This layout
// is what earlier versions of the game wrote, so existing players keep their
// name and results.

#include <string>

#include "store/store.h"

namespace blefino::store {

class RegistryBackend : public StoreBackend {
 public:
  bool create_key(const std::string& path) override;
  bool open_key(const std::string& path) override;
  bool write_value(const std::string& path, const std::string& name,
                   const std::string& text) override;
  std::optional<std::string> read_value(const std::string& path, const std::string& name) override;
  std::string location() const override { return "HKEY_CURRENT_USER\\SOFTWARE\\Talvik\\Blefino"; }
};

// UTF-8 <-> the ANSI code page. Characters the code page lacks become '?'.
std::string utf8_to_ansi(const std::string& text);
std::string ansi_to_utf8(const std::string& text);

}  // namespace blefino::store
