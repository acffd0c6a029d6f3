#pragma once

// The unsaved edits kept where they outlive a crash: written at most a second
// after the last edit while the data are changed, removed as soon as they are
// not (saved, another file or the radio's data loaded, undone back, or given
// up when the window closes), and offered back at the next start after an
// unclean end.

#include "app/journal.h"
#include <QCoreApplication>

#include <QObject>

#include <filesystem>
#include <memory>

class QTimer;

namespace kv508 {
class Host;
struct Session;
} // namespace kv508

namespace kv508::ui {

class JournalKeeper : public QObject {
  Q_DECLARE_TR_FUNCTIONS(JournalKeeper)

public:
  // An empty folder keeps no journal.
  JournalKeeper(Session &session, Host &host, std::filesystem::path folder, QObject *parent);

  // At start-up: edits an unclean end left behind are offered back; true when
  // the user restored them.
  bool OfferLeftover();
  // The data or whether they are changed may have changed.
  void StateChanged();
  // The window closes with the user's consent: the edits were saved or given up.
  void Closing();

private:
  void Write();

  Session &session_;
  Host &host_;
  std::filesystem::path folder_;
  std::unique_ptr<Journal> journal_;
  QTimer *timer_;
};

} // namespace kv508::ui
