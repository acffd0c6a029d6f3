#pragma once

// The "Basic Setup" page of the DSC screen: DSC per channel group, the User
// MMSI with its setting count, position request and the beep outputs.

#include <QWidget>

#include <array>

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

class DscBasicPage : public QWidget {
public:
  DscBasicPage(Session &session, Binder &binder);

  // The group labels and the count from the data (the binder shows the rest).
  void ShowStored();
  void ShowCount();

  CommitLineEdit *UserMmsi() const { return userMmsi_; }
  QPushButton *ClearButton() const { return clear_; }

private:
  QGroupBox *BuildGroups(Binder &binder);
  QGroupBox *BuildUserMmsi(Binder &binder);
  QGroupBox *BuildPosition(Binder &binder);
  QGroupBox *BuildBeeps(Binder &binder);

  Session &session_;
  std::array<QLabel *, 4> groupNames_{};
  CommitLineEdit *userMmsi_ = nullptr;
  QLineEdit *count_ = nullptr;
  QPushButton *clear_ = nullptr;
};

} // namespace kv508::ui
