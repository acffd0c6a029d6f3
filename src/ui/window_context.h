#pragma once

#include "ui/screens/screen_context.h"
#include "ui/ui_dialogs.h"

#include <QString>

#include <functional>

class QWidget;

namespace kv508::ui {

class EditController;
class Navigator;
class RadioCommands;

// The window as the editing screens see it.
class WindowContext : public ScreenContext {
public:
  WindowContext(Session &session, Navigator &navigator, EditController &edits, RadioCommands &radio,
                UiDialogs &dialogs, QWidget &window, std::function<void(const QString &)> hint)
      : session_(session), navigator_(navigator), edits_(edits), radio_(radio), dialogs_(dialogs),
        window_(window), hint_(std::move(hint)) {}
  Session &session() override { return session_; }
  bool Apply(const EditPlace &place, const EditLog::Change &change, StepKind kind) override;
  void FinishTyping() override;
  void SetPending(bool typed) override;
  void SelectNodeByKey(const QString &key) override;
  bool CommitActiveEdit() override;
  bool RunClear(int mode, const EditPlace &place) override;
  UiDialogs::Repeat RepeatOwnMmsi(const QString &typed, const QString &info) override;
  void ShowHint(const QString &hint) override { hint_(hint); }

private:
  Session &session_;
  Navigator &navigator_;
  EditController &edits_;
  RadioCommands &radio_;
  UiDialogs &dialogs_;
  QWidget &window_;
  std::function<void(const QString &)> hint_;
};

} // namespace kv508::ui
