#pragma once
// Keeps the keys in memory. Tests use it to drive the start-up load and the
// save, including keys that cannot be created and operations that fail badly.

#include <map>
#include <optional>
#include <set>
#include <string>

#include "store/store.h"

namespace blefino::store {

class MemoryBackend : public StoreBackend {
 public:
  using Values = std::map<std::string, std::string>;

  bool create_key(const std::string& path) override;
  bool open_key(const std::string& path) override;
  bool write_value(const std::string& path, const std::string& name,
                   const std::string& text) override;
  std::optional<std::string> read_value(const std::string& path, const std::string& name) override;

  std::map<std::string, Values> keys;
  // Keys that cannot be created (a full disk, a locked-down profile).
  std::set<std::string> uncreatable;
  // When set, every operation throws this as a std::runtime_error.
  std::optional<std::string> throw_message;
  int writes = 0;  // successful writes, in total

 private:
  void maybe_throw() const;
};

// Characters in a UTF-8 text (each lead byte counts once).
std::size_t utf8_length(const std::string& text);

}  // namespace blefino::store
