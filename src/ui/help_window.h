#pragma once

// The help viewer: the model's HTML help page, opened at a topic number.

#include <QPointer>
#include <QWidget>

class QTextBrowser;

namespace kv508::ui {

class HelpWindow : public QWidget {
  Q_OBJECT
public:
  // A top-level window of its own, so that it stays usable beside a modal dialog.
  explicit HelpWindow(QWidget *owner = nullptr);
  void ShowTopic(const QString &helpFile, int topic);

private:
  // Fully on the screen that holds the owner, beside it where there is room.
  void PlaceOnOwnersScreen();

  QPointer<QWidget> owner_;
  bool placed_ = false;
  QTextBrowser *browser_;
};

} // namespace kv508::ui
