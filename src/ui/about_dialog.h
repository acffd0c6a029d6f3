#pragma once

#include <QDialog>

namespace kv508::ui {

// frmAbout: the program's title, its version and what it is for.
class AboutDialog : public QDialog {
  Q_OBJECT
public:
  explicit AboutDialog(QWidget *parent = nullptr);
};

} // namespace kv508::ui
