#include "app/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace blefino {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 3000;  // the first copy may be drawing a move
const QByteArray kAnswer = "front\n";

}  // namespace

SingleInstance::SingleInstance(const QString& folder)
    : lock_(QDir(folder).filePath(QStringLiteral("Blefino.lock"))) {
  QDir().mkpath(folder);
  // Held for the whole run: only a lock whose process is gone is stale,
  // however old it is.
  lock_.setStaleLockTime(0);
  // One name per settings folder, and so per player; short enough for any
  // socket path. On Unix the socket goes into the player's own runtime folder
  // where there is one, not into the shared /tmp; Windows names a pipe.
  server_name_ = QStringLiteral("Blefino-") +
                 QString::fromLatin1(QCryptographicHash::hash(QDir(folder).absolutePath().toUtf8(),
                                                              QCryptographicHash::Sha1)
                                         .toHex()
                                         .left(16));
#ifndef Q_OS_WIN
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists())
    server_name_ = QDir(runtime).filePath(server_name_);
#endif
  locked_ = lock_.tryLock(0);
  lock_error_ = lock_.error();
}

bool SingleInstance::first() {
  if (!first_)
    first_ = locked_ || (lock_error_ != QLockFile::LockFailedError && !wake_running_copy());
  return *first_;
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::wake_running_copy() const {
  QLocalSocket socket;
  socket.connectToServer(server_name_);
  if (!socket.waitForConnected(kConnectMs)) return false;
  while (socket.bytesAvailable() < kAnswer.size())
    if (!socket.waitForReadyRead(kAnswerMs)) return false;
  return socket.readAll().startsWith(kAnswer);
}

void SingleInstance::listen(std::function<void()> bring_to_front) {
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
                       if (bring_to_front) bring_to_front();
                       knock->write(kAnswer);
                       QObject::connect(knock, &QLocalSocket::disconnected, knock,
                                        &QObject::deleteLater);
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
