#include "store/ini_backend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#ifdef _WIN32
#include "store/registry_backend.h"
#endif

namespace blefino::store {
namespace {

// "SOFTWARE\Talvik\Blefino\Parameters" is the section "Parameters": the file
// itself already belongs to Talvik's Blefino.
QByteArray section_of(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  return QByteArray::fromStdString(slash == std::string::npos ? path : path.substr(slash + 1));
}

}  // namespace

QString default_ini_path() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Talvik/Blefino.ini");
}

std::unique_ptr<StoreBackend> make_default_backend() {
#ifdef _WIN32
  return std::make_unique<RegistryBackend>();
#else
  return std::make_unique<IniBackend>(default_ini_path());
#endif
}

IniBackend::IniBackend(QString file_path) : file_path_(std::move(file_path)) {}

std::optional<IniDocument> IniBackend::read() {
  // Read afresh every time, as a registry key is opened and closed each time.
  QFile file(file_path_);
  if (!file.exists()) return IniDocument{};
  if (!file.open(QIODevice::ReadOnly)) {
    last_error_ = file.errorString();
    return std::nullopt;
  }
  return parse_ini(file.readAll());
}

bool IniBackend::write(const IniDocument& document) {
  QDir().mkpath(QFileInfo(file_path_).absolutePath());
  QSaveFile file(file_path_);
  const QByteArray text = ini_text(document);
  // The explicit flush matters: Qt 6.4's commit() does not notice when the
  // last buffered bytes fail to reach a full disk, and would put an empty
  // file in place of the player's settings.
  if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush() &&
      file.commit())
    return true;
  last_error_ = file.errorString();
  file.cancelWriting();  // a failed save never replaces the file
  return false;
}

bool IniBackend::create_key(const std::string&) {
  const QFileInfo info(file_path_);
  if (!QDir().mkpath(info.absolutePath())) return false;
  return QFileInfo(info.absolutePath()).isWritable() && (!info.exists() || info.isWritable()) &&
         read().has_value();
}

bool IniBackend::open_key(const std::string& path) {
  const std::optional<IniDocument> document = read();
  return document && has_section(*document, section_of(path));
}

bool IniBackend::write_value(const std::string& path, const std::string& name,
                             const std::string& text) {
  const QByteArray raw = escaped_value(QString::fromStdString(text));
  if (batching_) {
    if (batch_) set_raw(*batch_, section_of(path), QByteArray::fromStdString(name), raw);
    return batch_.has_value();
  }
  std::optional<IniDocument> document = read();
  if (!document) return false;
  set_raw(*document, section_of(path), QByteArray::fromStdString(name), raw);
  return write(*document);
}

std::optional<std::string> IniBackend::read_value(const std::string& path,
                                                  const std::string& name) {
  const std::optional<IniDocument> document = read();
  if (!document) return std::nullopt;
  const std::optional<QByteArray> raw =
      find_raw(*document, section_of(path), QByteArray::fromStdString(name));
  if (!raw) return std::nullopt;
  const std::optional<QString> text = unescaped_value(*raw);
  if (!text || static_cast<std::size_t>(text->size()) >= kMaxStoredLength) return std::nullopt;
  return text->toStdString();
}

void IniBackend::begin_batch() {
  batching_ = true;
  batch_ = read();
}

bool IniBackend::end_batch() {
  if (!batching_) return true;
  const bool ok = batch_ && write(*batch_);
  batching_ = false;
  batch_.reset();
  return ok;
}

void IniBackend::remove_leftovers() {
  const QFileInfo info(file_path_);
  const QString prefix = info.fileName() + QLatin1Char('.');
  // Qt names its temporary file with six random letters of either case after
  // the file's name and a dot, so any such name is one of ours; other names
  // next to the file stay. Checked by hand: a regular expression here costs
  // the start-up its compilation and the memory of one more library.
  auto is_leftover = [&prefix](const QString& name) {
    return name.size() == prefix.size() + 6 && name.startsWith(prefix) &&
           std::all_of(name.cbegin() + prefix.size(), name.cend(), [](QChar c) {
             return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
           });
  };
  for (const QFileInfo& f : info.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden))
    if (!f.isSymLink() && is_leftover(f.fileName())) QFile::remove(f.filePath());
}

}  // namespace blefino::store
