#include "app/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace blefino {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 3000;  // the first copy may be drawing a move
const QByteArray kAnswer = "front\n";

#ifndef _WIN32
// A folder that is the player's own and that nobody else may enter. Our own
// folder (`ours`, never a link) is closed again if it was opened up: only
// we could have done that.
bool is_private_folder(const QString& path, bool ours) {
  const QByteArray name = QFile::encodeName(path);
  struct stat st {};
  if ((ours ? ::lstat(name.constData(), &st) : ::stat(name.constData(), &st)) != 0) return false;
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return false;
  return (st.st_mode & 077) == 0 || (ours && ::chmod(name.constData(), 0700) == 0);
}
#endif

// True when the other end of `socket` runs as this player (where the system
// can tell; elsewhere the private folder alone keeps others out).
bool peer_is_this_user([[maybe_unused]] const QLocalSocket& socket) {
#ifdef __linux__
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
         peer.uid == ::geteuid();
#else
  return true;
#endif
}

// Nothing when something other than a plain file stands where the lock file
// goes: reading a pipe there to see whose lock it is would wait for ever.
std::unique_ptr<QLockFile> try_lock(const QString& path) {
#ifndef _WIN32
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode)) return {};
#endif
  auto lock = std::make_unique<QLockFile>(path);
  // Held for the whole run: only a lock whose process is gone is stale,
  // however old it is.
  lock->setStaleLockTime(0);
  lock->tryLock(0);
  return lock;
}

}  // namespace

QString private_runtime_folder() {
#ifndef _WIN32
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && is_private_folder(runtime, false)) return runtime;
  const QString own = QDir::tempPath() + QStringLiteral("/blefino-") + QString::number(::geteuid());
  ::mkdir(QFile::encodeName(own).constData(), 0700);  // or it is there: checked below
  return is_private_folder(own, true) ? own : QString();
#else
  return QDir::tempPath();  // every user has his own
#endif
}

SingleInstance::SingleInstance(const QString& folder) {
  QDir().mkpath(folder);
  // One name per settings folder, and so per player; short enough for any
  // socket path. On Unix the socket goes into the player's private folder,
  // never into the shared /tmp; Windows names a pipe.
  const QString name =
      QStringLiteral("Blefino-") +
      QString::fromLatin1(
          QCryptographicHash::hash(QDir(folder).absolutePath().toUtf8(), QCryptographicHash::Sha1)
              .toHex()
              .left(16));
  const QString runtime = private_runtime_folder();
#ifndef _WIN32
  if (!runtime.isEmpty()) server_name_ = QDir(runtime).filePath(name);
#else
  server_name_ = name;
#endif
  lock_ = try_lock(QDir(folder).filePath(QStringLiteral("Blefino.lock")));
  const auto no_lock_file = [this] {
    return !lock_ ||
           (lock_->error() != QLockFile::NoError && lock_->error() != QLockFile::LockFailedError);
  };
  if (no_lock_file() && !runtime.isEmpty()) {
    // No lock file can be made in the settings folder: one in the private
    // folder, taken in one step all the same, keeps a second table away.
    lock_ = try_lock(QDir(runtime).filePath(name + QStringLiteral(".lock")));
  }
  locked_ = lock_ && lock_->isLocked();
  // With no lock to be had anywhere the game plays rather than never starts.
  first_ = locked_ || no_lock_file();
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::wake_running_copy() const {
  if (server_name_.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(server_name_);
  if (!socket.waitForConnected(kConnectMs) || !peer_is_this_user(socket)) return false;
  while (socket.bytesAvailable() < kAnswer.size())
    if (!socket.waitForReadyRead(kAnswerMs)) return false;
  return socket.readAll().startsWith(kAnswer);
}

void SingleInstance::listen(std::function<void()> bring_to_front) {
  if (server_name_.isEmpty() || !first_) return;
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // A socket left by a copy that crashed: with the lock ours, nobody serves
  // it. (Qt 6.4 clears it itself; other versions fail with "address in use".)
  if (!server_->listen(server_name_) && locked_ &&
      server_->serverError() == QAbstractSocket::AddressInUseError) {
    QLocalServer::removeServer(server_name_);
    server_->listen(server_name_);
  }
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                   [server = server_.get(), bring_to_front = std::move(bring_to_front)] {
                     while (QLocalSocket* knock = server->nextPendingConnection()) {
                       QObject::connect(knock, &QLocalSocket::disconnected, knock,
                                        &QObject::deleteLater);
                       if (peer_is_this_user(*knock)) {
                         if (bring_to_front) bring_to_front();
                         knock->write(kAnswer);
                       }
                       knock->disconnectFromServer();  // after the answer is out
                     }
                   });
}

void bring_windows_to_front() {
  QWidget* front = QApplication::activeModalWidget();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = w->windowType();
    if (!w->isVisible() || (type != Qt::Window && type != Qt::Dialog)) continue;
    if (w->isMinimized()) w->showNormal();
    if (!front) front = w;
  }
  if (!front) return;
  front->raise();
  front->activateWindow();
}

}  // namespace blefino
