#pragma once

// frmCompare: the settings the radio holds otherwise than the data being
// edited, grouped as the tree shows them (setting, the radio's value, the
// value to be written), and what to do about them: Program These Changes, Use
// the Radio's Values, Save as Text... or Close.

#include "diff/radio_compare.h"
#include <QCoreApplication>

#include <QDialog>

#include <functional>
#include <string>

class QTreeWidget;
class QLabel;
class QPushButton;

namespace kv508::ui {

enum class CompareChoice { Close, ProgramChanges, UseRadioValues };

class CompareWindow : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(CompareWindow)

public:
  CompareWindow(const RadioComparison &comparison, QWidget *parent);

  CompareChoice Choice() const { return choice_; }
  // Save as Text...: gets the comparison as text.
  void SetTextSaver(std::function<void(const std::string &)> saver) { saver_ = std::move(saver); }

private:
  void Fill(const RadioComparison &comparison);
  void Choose(CompareChoice choice);

  std::string text_;
  CompareChoice choice_ = CompareChoice::Close;
  std::function<void(const std::string &)> saver_;
  QLabel *summary_;
  QTreeWidget *list_;
  QPushButton *program_;
  QPushButton *useRadio_;
  QPushButton *saveText_;
};

} // namespace kv508::ui
