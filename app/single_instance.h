#pragma once
// One running game per player. The first copy holds a lock file in the
// settings folder and listens on a local socket in a folder only the player
// can enter; a later copy knocks there, the first brings its window to the
// front, and the later one ends without reading or writing the settings.
// Who plays is decided by the lock alone, never by what a knock answers.

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

namespace blefino {

class SingleInstance {
 public:
  // `folder` is the settings folder; it is made if missing. Taking the lock
  // touches only files, so it may run on a thread of its own. Where no lock
  // file can be made there (a read-only home), the lock is taken in the
  // player's socket folder instead.
  explicit SingleInstance(const QString& folder);
  ~SingleInstance();

  // False when another copy of the game holds the lock.
  bool first() const { return first_; }
  // Asks the running copy to come to the front; true when it did.
  bool wake_running_copy() const;
  // From now on a later copy's knock calls `bring_to_front`.
  void listen(std::function<void()> bring_to_front);

 private:
  std::unique_ptr<QLockFile> lock_;
  QString server_name_;  // empty when the player has no folder of his own for it
  struct Server;         // the listening end: a Unix socket, or a pipe on Windows
  std::unique_ptr<Server> server_;
  bool locked_ = false;
  bool first_ = true;
};

// A folder for the player's sockets that nobody else can enter:
// $XDG_RUNTIME_DIR when it is the player's own and closed to others, else
// <temp>/blefino-<user id>, made with mode 0700 if missing and checked for
// its owner and mode. Empty when there is no such folder (somebody else made
// it first). On Windows, the player's own temporary folder.
QString private_runtime_folder();

// Restores this copy's windows from the task bar and raises the one the
// player should see: a message box or dialog when one is open, else the table.
void bring_windows_to_front();

}  // namespace blefino
