#include "store/ini_backend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <variant>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// What the player is told once when the settings cannot be used at all.
std::string unusable_text(const std::string& what, const std::string& where, const std::string& why,
                          const char* after) {
  return what + "\n" + where + "\nнельзя использовать: " + why +
         ".\n\nИгра начнётся с именем, рубашкой и счётом по умолчанию и " + after;
}

// Why a folder that cannot be made or written to is no use, in words.
std::string folder_problem(const QString& folder) {
  QString up = folder;
  while (!QFileInfo::exists(up) && QFileInfo(up).absolutePath() != up)
    up = QFileInfo(up).absolutePath();
  const QFileInfo info(up);
  if (!info.isDir()) return "на месте папки " + up.toStdString() + " стоит файл";
  if (!info.isWritable()) return "нет прав на запись в папку " + up.toStdString();
  return "папку не удалось создать";
}

#ifndef _WIN32
// What stands in the file's place when it is not a plain file, in words.
std::string kind_of(mode_t mode) {
  if (S_ISDIR(mode)) return "на месте файла стоит папка";
  if (S_ISFIFO(mode)) return "на месте файла стоит именованный канал (FIFO)";
  if (S_ISSOCK(mode)) return "на месте файла стоит сокет";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "на месте файла стоит устройство";
  return "это не обычный файл";
}
#endif

std::string too_large() {
  return "файл больше " + std::to_string(kMaxFileBytes / (1024 * 1024)) +
         " МБ, а настройки игры занимают меньше килобайта";
}

// Empty when nothing stands at `path` or a plain file (or a link to one)
// does; else why it must be left alone. Nothing is opened to find out.
std::string not_a_plain_file(const QString& path) {
#ifndef _WIN32
  const QByteArray name = QFile::encodeName(path);
  struct stat st {};
  if (::stat(name.constData(), &st) == 0)
    return S_ISREG(st.st_mode) ? std::string() : kind_of(st.st_mode);
  const int error = errno;
  if (error != ENOENT) return reason_in_words(error);
  // A link to nothing: what it points at is the player's business.
  return ::lstat(name.constData(), &st) == 0 ? "на месте файла стоит ссылка в никуда"
                                             : std::string();
#else
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return {};
  return info.isFile() ? std::string() : "на месте файла стоит не файл";
#endif
}

// The file's text; or why it is refused; or the empty reason when there is none.
std::variant<QByteArray, std::string> read_settings_file(const QString& path) {
  if (std::string why = not_a_plain_file(path); !why.empty()) return why;
  QFile file(path);
#ifndef _WIN32
  // Never waits, even when a pipe was put in its place since the look above:
  // opened without blocking and looked at again through the open file.
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT) return std::string();
    return error == EACCES ? std::string("нет прав на чтение файла") : reason_in_words(error);
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return kind_of(st.st_mode);
  }
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
    return std::string("файл не открывается");
#else
  if (!file.open(QIODevice::ReadOnly)) {
    return file.exists() ? std::string("нет прав на чтение файла") : std::string();
  }
#endif
  if (file.size() > kMaxFileBytes) return too_large();
  errno = 0;
  QByteArray text = file.read(file.size() + 1);
  if (text.size() > file.size()) text += file.read(kMaxFileBytes + 1 - text.size());  // it grew
  if (text.size() > kMaxFileBytes) return too_large();
  if (file.error() != QFileDevice::NoError)
    return errno ? reason_in_words(errno) : std::string("файл не читается");
  return text;
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

void IniBackend::reload() {
  document_.reset();
  refused_.clear();
  unusable_.clear();
  changed_ = false;
  read();
}

void IniBackend::read_if_not_yet() {
  if (!document_ && refused_.empty()) read();
}

void IniBackend::read() {
  ++reads;
  const QString folder = QFileInfo(file_path_).absolutePath();
  if (!QDir().mkpath(folder)) {
    // Nothing of the player's is there to keep: saves may still try later.
    unusable_ = unusable_text("Папку настроек", folder.toStdString(), folder_problem(folder),
                              "не сможет их сохранить.");
    document_ = IniDocument{};
    return;
  }
  const std::variant<QByteArray, std::string> text = read_settings_file(file_path_);
  if (const auto* why = std::get_if<std::string>(&text)) {
    if (!why->empty()) {
      refused_ = *why;
      unusable_ = unusable_text("Файл настроек", location(), refused_,
                                "не будет их сохранять: этот файл она не изменит и не удалит.");
      return;
    }
    document_ = IniDocument{};  // none yet
    return;
  }
  document_ = parse_ini(std::get<QByteArray>(text));
}

bool IniBackend::write() {
  if (!refused_.empty() || !document_) {
    last_error_ = refused_;
    return false;
  }
  // Whatever came to stand in the file's place since it was read stays.
  if (const std::string why = not_a_plain_file(file_path_); !why.empty()) {
    last_error_ = why;
    return false;
  }
  ++writes;
  QDir().mkpath(QFileInfo(file_path_).absolutePath());
  QSaveFile file(file_path_);
  const QByteArray text = ini_text(*document_);
  // The explicit flush matters: Qt 6.4's commit() does not notice when the
  // last buffered bytes fail to reach a full disk, and would put an empty
  // file in place of the player's settings.
  errno = 0;
  if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush() &&
      file.commit()) {
    changed_ = false;
    return true;
  }
  // Qt says why in English; the player reads Russian. errno still holds the
  // system's own reason for the step that failed.
  const int error = errno;
  file.cancelWriting();  // a failed save never replaces the file
  last_error_ =
      error ? reason_in_words(error) : folder_problem(QFileInfo(file_path_).absolutePath());
  return false;
}

bool IniBackend::create_key(const std::string&) {
  read_if_not_yet();
  return refused_.empty() && QDir().mkpath(QFileInfo(file_path_).absolutePath());
}

bool IniBackend::open_key(const std::string& path) {
  read_if_not_yet();
  return document_ && has_section(*document_, section_of(path));
}

bool IniBackend::write_value(const std::string& path, const std::string& name,
                             const std::string& text) {
  read_if_not_yet();
  if (!document_) {
    last_error_ = refused_;
    return false;
  }
  set_raw(*document_, section_of(path), QByteArray::fromStdString(name),
          escaped_value(QString::fromStdString(text)));
  changed_ = true;
  return batching_ || write();
}

std::optional<std::string> IniBackend::read_value(const std::string& path,
                                                  const std::string& name) {
  read_if_not_yet();
  if (!document_) return std::nullopt;
  const std::optional<QByteArray> raw =
      find_raw(*document_, section_of(path), QByteArray::fromStdString(name));
  if (!raw) return std::nullopt;
  const std::optional<QString> text = unescaped_value(*raw);
  if (!text || static_cast<std::size_t>(text->size()) >= kMaxStoredLength) return std::nullopt;
  return text->toStdString();
}

void IniBackend::begin_batch() {
  read_if_not_yet();
  batching_ = true;
}

bool IniBackend::end_batch() {
  batching_ = false;
  if (!document_) {
    last_error_ = refused_;
    return false;
  }
  return !changed_ || write();
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
