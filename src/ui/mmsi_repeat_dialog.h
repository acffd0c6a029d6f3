#pragma once

// frmMmsiConfirm: the own MMSI typed a second time before it is stored. Most
// radios take their own MMSI once only, so a wrong digit may mean a trip to
// the dealer. The dialog shows the kind and country of the first typing, never
// its digits, and takes no paste: the second typing must be a real one.

#include <QCoreApplication>
#include <QDialog>
#include <QString>

class QPushButton;

namespace kv508::ui {

class MmsiRepeatDialog : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(MmsiRepeatDialog)

public:
  // `info`: the kind and country of the MMSI typed first ("Ship · Norway").
  explicit MmsiRepeatDialog(const QString &info, QWidget *parent = nullptr);
  // The digits typed in txtMmsiAgain.
  QString Typed() const;

private:
  class TypedOnlyEdit;
  TypedOnlyEdit *again_;
  QPushButton *ok_;
};

} // namespace kv508::ui
