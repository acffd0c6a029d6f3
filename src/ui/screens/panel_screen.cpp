#include "ui/screens/panel_screen.h"

#include "app/busy_scope.h"
#include "app/session.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QWidget>

namespace kv508::ui {

PanelScreen::PanelScreen(ScreenContext &context, const char *objectName, int helpTopic)
    : context_(context), panel_(std::make_unique<QWidget>()), binder_(*this) {
  panel_->setObjectName(QLatin1String(objectName));
  if (helpTopic != 0)
    SetHelpTopic(panel_.get(), helpTopic);
}

PanelScreen::~PanelScreen() = default;

Session &PanelScreen::session() const { return context_.session(); }

void PanelScreen::Fill(const ScreenRequest &request) {
  request_ = request;
  BusyScope busy(session().state);
  BeforeFill();
  binder_.Fill();
  AfterFill();
}

bool PanelScreen::CommitEdit() { return CommitEditedFields(panel_.get()); }

bool PanelScreen::Editable() const { return !session().state.Busy && panel_->isEnabled(); }

bool PanelScreen::Apply(const QString &name, const QWidget *widget, const EditLog::Change &change,
                        StepKind kind) {
  return Editable() && context_.Apply(Place(name, widget), change, kind);
}

EditPlace PanelScreen::Place(const QString &name, const QWidget *widget) const {
  return {FromQt(name), FromQt(request_.key),
          widget ? FromQt(widget->objectName()) : std::string()};
}

} // namespace kv508::ui
