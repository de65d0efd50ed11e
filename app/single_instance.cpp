#include "app/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QWidget>

#ifdef _WIN32
#include <QLocalServer>
#include <QLocalSocket>
#else
// Qt's local sockets would bring its whole network library, and Kerberos with
// it, into every start; a knock needs a Unix socket and a notifier.
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#endif

namespace blefino {
namespace {

#ifdef _WIN32
constexpr int kConnectMs = 1000;
#endif
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

#ifdef _WIN32
// Pipe names are the player's own session's; the lock decides who plays.
bool peer_is_this_user(const QLocalSocket&) { return true; }
#else
// True when the other end of `fd` runs as this player (where the system can
// tell; elsewhere the private folder alone keeps others out).
bool peer_is_this_user([[maybe_unused]] int fd) {
#ifdef __linux__
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
#else
  return true;
#endif
}

// The socket's address; false when the path is too long for one.
bool socket_address(const QString& path, sockaddr_un& address) {
  const QByteArray name = QFile::encodeName(path);
  address = {};
  address.sun_family = AF_UNIX;
  if (name.size() >= int(sizeof address.sun_path)) return false;
  std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
  return true;
}

// Closes its descriptor however the scope is left.
struct Fd {
  int fd;
  explicit Fd(int f) : fd(f) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};
#endif

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

#ifdef _WIN32

struct SingleInstance::Server {
  QLocalServer local;
};

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
  server_ = std::make_unique<Server>();
  QLocalServer* server = &server_->local;
  server->setSocketOptions(QLocalServer::UserAccessOption);
  server->listen(server_name_);
  QObject::connect(server, &QLocalServer::newConnection, server,
                   [server, bring_to_front = std::move(bring_to_front)] {
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

#else

struct SingleInstance::Server {
  QString path;
  int fd = -1;
  std::unique_ptr<QSocketNotifier> knocks;
  ~Server() {
    knocks.reset();
    ::close(fd);
    ::unlink(QFile::encodeName(path).constData());
  }
};

SingleInstance::~SingleInstance() = default;

bool SingleInstance::wake_running_copy() const {
  sockaddr_un address;
  if (server_name_.isEmpty() || !socket_address(server_name_, address)) return false;
  const Fd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  // A Unix socket connects at once or not at all: nobody listening, or a
  // copy too busy to take it (never waited for).
  if (socket.fd < 0 ||
      ::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      !peer_is_this_user(socket.fd))
    return false;
  QByteArray answer;
  pollfd wait{socket.fd, POLLIN, 0};
  while (answer.size() < kAnswer.size() && ::poll(&wait, 1, kAnswerMs) > 0) {
    char part[16];
    const ssize_t got = ::read(socket.fd, part, sizeof part);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (got <= 0) break;
    answer.append(part, got);
  }
  return answer.startsWith(kAnswer);
}

void SingleInstance::listen(std::function<void()> bring_to_front) {
  sockaddr_un address;
  if (server_name_.isEmpty() || !first_ || !socket_address(server_name_, address)) return;
  auto server = std::make_unique<Server>();
  server->fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (server->fd < 0) return;
  const auto bind = [&] {
    return ::bind(server->fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  };
  // A socket left by a copy that crashed: with the lock ours, nobody serves it.
  bool bound = bind();
  if (!bound && errno == EADDRINUSE && locked_) {
    ::unlink(address.sun_path);
    bound = bind();
  }
  if (!bound || ::listen(server->fd, 8) != 0) return;
  server->path = server_name_;  // ours from now on: removed when the game ends
  ::chmod(address.sun_path, 0600);
  server->knocks = std::make_unique<QSocketNotifier>(server->fd, QSocketNotifier::Read);
  QObject::connect(server->knocks.get(), &QSocketNotifier::activated, server->knocks.get(),
                   [fd = server->fd, bring_to_front = std::move(bring_to_front)] {
                     int knock;
                     while ((knock = ::accept(fd, nullptr, nullptr)) >= 0) {
                       const Fd closing(knock);
                       if (!peer_is_this_user(knock)) continue;
                       if (bring_to_front) bring_to_front();
                       // Six bytes into an empty socket: written at once.
                       [[maybe_unused]] const auto sent =
                           ::send(knock, kAnswer.constData(), std::size_t(kAnswer.size()),
                                  MSG_NOSIGNAL | MSG_DONTWAIT);
                     }
                   });
  server_ = std::move(server);
}

#endif

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
