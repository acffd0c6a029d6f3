#include "ui/journal_keeper.h"

#include "app/session.h"

#include <QTimer>

#include <ctime>

namespace kv508::ui {

namespace {
constexpr int kWriteDelayMs = 1000;
}

JournalKeeper::JournalKeeper(Session &session, Host &host, std::filesystem::path folder,
                             QObject *parent)
    : QObject(parent), session_(session), host_(host), folder_(std::move(folder)) {
  if (!folder_.empty())
    journal_ = std::make_unique<Journal>(folder_);
  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("tmrJournal"));
  timer_->setSingleShot(true);
  timer_->setInterval(kWriteDelayMs);
  connect(timer_, &QTimer::timeout, this, &JournalKeeper::Write);
}

bool JournalKeeper::OfferLeftover() {
  if (!journal_)
    return false;
  std::optional<LeftoverJournal> left = LeftoverJournal::Find(folder_);
  if (!left)
    return false;
  // Appended piece by piece: GCC 12 at -O2 warns falsely about chained + here.
  std::string question(kApplicationTitle);
  question += " did not close properly. Restore the unsaved changes from ";
  question += left->TimeText(std::time(nullptr));
  question += '?';
  if (host_.Message(Icon::Question, session_.state.TitleText, question, Buttons::RestoreDiscard) !=
      Answer::Yes) {
    left->Remove();
    return false;
  }
  ReplacingData replacing(session_);
  if (!left->Restore(session_))
    return false; // another model's edits wait for a start with that model
  session_.DataReplaced();
  Write();
  left->Remove();
  return true;
}

void JournalKeeper::StateChanged() {
  if (!journal_)
    return;
  if (!session_.state.DataChanged) {
    timer_->stop();
    journal_->Discard();
  } else if (!timer_->isActive()) {
    timer_->start();
  }
}

void JournalKeeper::Write() {
  // A journal that cannot be written costs nothing but the safety net.
  if (journal_ && session_.state.DataChanged)
    (void)journal_->Write(session_, std::time(nullptr));
}

void JournalKeeper::Closing() {
  timer_->stop();
  if (journal_)
    journal_->Discard();
}

} // namespace kv508::ui
