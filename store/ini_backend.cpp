#include "ini_backend.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#ifdef _WIN32
#include "registry_backend.h"
#endif

namespace blefino::store {
namespace {

// "SOFTWARE\Talvik\Blefino\Parameters" is the section "Parameters": the file
// itself already belongs to Talvik's Blefino.
QString section_of(const std::string& path) {
  static const QString kPrefix = QStringLiteral("SOFTWARE\\Talvik\\Blefino\\");
  QString section = QString::fromStdString(path);
  if (section.startsWith(kPrefix, Qt::CaseInsensitive)) section.remove(0, kPrefix.size());
  return section.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString setting_key(const std::string& path, const std::string& name) {
  return section_of(path) + QLatin1Char('/') + QString::fromStdString(name);
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
IniBackend::~IniBackend() = default;

std::unique_ptr<QSettings> IniBackend::open() const {
  // A fresh view of the file for every operation, as a registry key is opened
  // and closed each time: what another copy of the game saved is seen.
  auto settings = std::make_unique<QSettings>(file_path_, QSettings::IniFormat);
  settings->setAtomicSyncRequired(true);  // never write the file in place
  return settings;
}

bool IniBackend::create_key(const std::string&) {
  // Creates the missing folders and tries a file in them.
  return open()->isWritable();
}

bool IniBackend::open_key(const std::string& path) {
  auto settings = open();
  const QString section = section_of(path);
  const qsizetype slash = section.lastIndexOf(QLatin1Char('/'));
  if (slash >= 0) settings->beginGroup(section.left(slash));
  return settings->status() == QSettings::NoError &&
         settings->childGroups().contains(section.mid(slash + 1));
}

bool IniBackend::write_value(const std::string& path, const std::string& name,
                             const std::string& text) {
  if (batch_) {
    batch_->setValue(setting_key(path, name), QString::fromStdString(text));
    return batch_->status() == QSettings::NoError;
  }
  auto settings = open();
  settings->setValue(setting_key(path, name), QString::fromStdString(text));
  settings->sync();
  return settings->status() == QSettings::NoError;
}

std::optional<std::string> IniBackend::read_value(const std::string& path,
                                                  const std::string& name) {
  auto settings = open();
  const QVariant value = settings->value(setting_key(path, name));
  if (!value.isValid()) return std::nullopt;
  // A name typed into the file by hand with a comma comes back as a list.
  const QString text = value.typeId() == QMetaType::QStringList
                           ? value.toStringList().join(QStringLiteral(", "))
                           : value.toString();
  if (static_cast<std::size_t>(text.size()) >= kMaxStoredLength) return std::nullopt;
  return text.toStdString();
}

void IniBackend::begin_batch() { batch_ = open(); }

bool IniBackend::end_batch() {
  if (!batch_) return true;
  batch_->sync();
  const bool ok = batch_->status() == QSettings::NoError;
  batch_.reset();
  return ok;
}

}  // namespace blefino::store
