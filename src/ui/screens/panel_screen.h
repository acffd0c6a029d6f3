#pragma once

// The base of the editing panels: it owns the panel and its binder, knows the
// node it is shown for, and sends every user change down the one edit path
// with the panel's node as the place of the undo step.

#include "app/edit_log.h"
#include "ui/screens/binder.h"
#include "ui/screens/editor_screen.h"
#include "ui/screens/screen_context.h"
#include <QCoreApplication>

#include <QString>

#include <memory>

class QWidget;

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class PanelScreen : public EditorScreen {
  Q_DECLARE_TR_FUNCTIONS(PanelScreen)

public:
  ~PanelScreen() override;

  QWidget *Panel() override { return panel_.get(); }
  // Remembers the request and fills the panel from RadioData, with the
  // session busy so that nothing the fill does counts as an edit.
  void Fill(const ScreenRequest &request) override;
  // Every edited text field of the panel checks and stores its text.
  bool CommitEdit() override;

  // User changes count while the session is not busy and this panel is the one shown.
  bool Editable() const;
  // One user change made with `widget`, one undo step named `name`; false
  // when it changed nothing or the panel may not be edited now.
  bool Apply(const QString &name, const QWidget *widget, const EditLog::Change &change,
             StepKind kind = StepKind::Edit);

  // Where a change made with `widget` is recorded: its name, this screen's node, the widget.
  EditPlace Place(const QString &name, const QWidget *widget) const;
  Session &session() const;
  ScreenContext &context() const { return context_; }

protected:
  PanelScreen(ScreenContext &context, const char *objectName, int helpTopic = 0);

  // Around the binder's fill: lists whose items depend on the data, and what
  // the binder does not show.
  virtual void BeforeFill() {}
  virtual void AfterFill() {}
  const ScreenRequest &Request() const { return request_; }

  ScreenContext &context_;
  std::unique_ptr<QWidget> panel_;
  Binder binder_;

private:
  ScreenRequest request_;
};

} // namespace kv508::ui
