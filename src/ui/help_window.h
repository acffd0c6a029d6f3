#pragma once

// The help viewer: the model's HTML help page, opened at a topic number.

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
  QTextBrowser *browser_;
};

} // namespace kv508::ui
