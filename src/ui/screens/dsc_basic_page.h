#pragma once

// The "Basic Setup" page of the DSC screen: DSC per channel group, the User
// MMSI with its setting count, position request and the beep outputs.

#include <QWidget>

#include <array>

class QComboBox;
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
  DscBasicPage(Session &session, QWidget *panel, Binder &binder);

  // The group labels, the User MMSI and the count from the data.
  void ShowStored();
  void ShowCount();

  CommitLineEdit *UserMmsi() const { return userMmsi_; }
  QPushButton *ClearButton() const { return clear_; }

private:
  Session &session_;
  std::array<QLabel *, 4> groupNames_{};
  CommitLineEdit *userMmsi_;
  QLineEdit *count_;
  QPushButton *clear_;
};

} // namespace kv508::ui
