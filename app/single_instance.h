#pragma once
// One running game per player. The first copy holds a lock file in the
// settings folder and listens on a local socket named after that folder; a
// later copy knocks there, the first brings its window to the front, and the
// later one ends without reading or writing the settings.

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QLocalServer;

namespace blefino {

class SingleInstance {
 public:
  // `folder` is the settings folder; it is made if missing. Taking the lock
  // touches only files, so it may run on a thread of its own.
  explicit SingleInstance(const QString& folder);
  ~SingleInstance();

  // False when another copy of the game runs for this player. Where no lock
  // can be had at all (a folder nobody may write), only a copy that answers
  // a knock counts as running (the knock is made here, on the first call).
  bool first();
  // Asks the running copy to come to the front; true when it did.
  bool wake_running_copy() const;
  // From now on a later copy's knock calls `bring_to_front`.
  void listen(std::function<void()> bring_to_front);

 private:
  QLockFile lock_;
  QString server_name_;
  std::unique_ptr<QLocalServer> server_;
  bool locked_ = false;
  QLockFile::LockError lock_error_ = QLockFile::NoError;
  std::optional<bool> first_;
};

// Restores this copy's windows from the task bar and raises the one the
// player should see: a message box or dialog when one is open, else the table.
void bring_windows_to_front();

}  // namespace blefino
