#include "store/memory_backend.h"

#include <stdexcept>

namespace blefino::store {

std::size_t utf8_length(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

void MemoryBackend::maybe_throw() const {
  if (throw_message) throw std::runtime_error(*throw_message);
}

bool MemoryBackend::create_key(const std::string& path) {
  maybe_throw();
  if (uncreatable.count(path)) return false;
  keys[path];
  return true;
}

bool MemoryBackend::open_key(const std::string& path) {
  maybe_throw();
  return keys.count(path) != 0;
}

bool MemoryBackend::write_value(const std::string& path, const std::string& name,
                                const std::string& text) {
  if (!create_key(path)) return false;
  keys[path][name] = text;
  ++writes;
  return true;
}

std::optional<std::string> MemoryBackend::read_value(const std::string& path,
                                                     const std::string& name) {
  maybe_throw();
  auto key = keys.find(path);
  if (key == keys.end()) return std::nullopt;
  auto value = key->second.find(name);
  if (value == key->second.end() || utf8_length(value->second) >= kMaxStoredLength)
    return std::nullopt;
  return value->second;
}

}  // namespace blefino::store
