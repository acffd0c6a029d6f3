#pragma once

// The "Basic Setup" page of the DSC screen: DSC per channel group, the User
// MMSI with its setting count, position request and the beep outputs.

#include <QCoreApplication>
#include <QWidget>

#include <array>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class Binder;
class CommitLineEdit;
class IdentityNote;
class ScreenContext;

class DscBasicPage : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(DscBasicPage)

public:
  DscBasicPage(ScreenContext &context, Binder &binder);

  // The group labels, the count and the kind of the own MMSI from the data
  // (the binder shows the rest).
  void ShowStored();
  void ShowCount();
  void ShowIdentity();

  CommitLineEdit *UserMmsi() const { return userMmsi_; }
  QPushButton *ClearButton() const { return clear_; }

private:
  QGroupBox *BuildGroups(Binder &binder);
  QGroupBox *BuildUserMmsi(Binder &binder);
  QGroupBox *BuildPosition(Binder &binder);
  QGroupBox *BuildBeeps(Binder &binder);
  // A new own MMSI is typed twice before it is stored.
  bool ConfirmOwnMmsi(const std::string &value, const std::string &stored);

  ScreenContext &context_;
  Session &session_;
  std::array<QLabel *, 4> groupNames_{};
  CommitLineEdit *userMmsi_ = nullptr;
  IdentityNote *identity_ = nullptr;
  QLineEdit *count_ = nullptr;
  QPushButton *clear_ = nullptr;
};

} // namespace kv508::ui
