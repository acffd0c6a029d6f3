#include "ui/qt_host.h"

#include "ui/ui_text.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace kv508::ui {

namespace {

// Finds the value a table pairs with a key; the last entry is the fallback.
template <typename Key, typename Value, std::size_t N>
Value Lookup(const std::pair<Key, Value> (&table)[N], Key key) {
  for (const auto &[k, v] : table) {
    if (k == key)
      return v;
  }
  return table[N - 1].second;
}

constexpr std::pair<Icon, QMessageBox::Icon> kIcons[] = {
    {Icon::Information, QMessageBox::Information},
    {Icon::Exclamation, QMessageBox::Warning},
    {Icon::Critical, QMessageBox::Critical},
    {Icon::Question, QMessageBox::Question},
    {Icon::None, QMessageBox::NoIcon}};

constexpr std::pair<Buttons, QMessageBox::StandardButtons> kButtons[] = {
    {Buttons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel},
    {Buttons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
    {Buttons::RetryCancel, QMessageBox::Retry | QMessageBox::Cancel},
    {Buttons::YesNo, QMessageBox::Yes | QMessageBox::No},
    {Buttons::Ok, QMessageBox::Ok}};

constexpr std::pair<int, Answer> kAnswers[] = {{QMessageBox::Ok, Answer::Ok},
                                               {QMessageBox::Yes, Answer::Yes},
                                               {QMessageBox::No, Answer::No},
                                               {QMessageBox::Retry, Answer::Retry},
                                               {QMessageBox::Cancel, Answer::Cancel}};

// Room the window frame takes beside the title: icon and buttons.
constexpr int kTitleFramePx = 140;

} // namespace

QtHost::QtHost() { clock_.start(); }

namespace {

void SetUp(QMessageBox &box, Icon icon, const std::string &title, const std::string &text) {
  box.setIcon(Lookup(kIcons, icon));
  box.setWindowTitle(ToQt(title));
  box.setText(DisplayText(text));
  // A short text would make the box narrower than its title; the window frame
  // would then cut the title.
  if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
    const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleFramePx;
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
}

} // namespace

int QtHost::Show(QMessageBox &box) {
  const QPointer<QWidget> owner = box.parentWidget();
  // The message box is modal, so a wait cursor must not hide its buttons.
  const bool waiting = QApplication::overrideCursor() != nullptr;
  if (waiting)
    QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = box.exec();
  if (waiting)
    QApplication::restoreOverrideCursor();
  // The window that was active before the message is active again.
  if (owner) {
    owner->raise();
    owner->activateWindow();
  }
  return answer;
}

Answer QtHost::Message(Icon icon, const std::string &title, const std::string &text,
                       Buttons buttons) {
  QMessageBox box(QApplication::activeWindow());
  SetUp(box, icon, title, text);
  if (buttons == Buttons::RestoreDiscard) {
    box.addButton(QMessageBox::tr("Restore"), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(QMessageBox::tr("Discard"), QMessageBox::NoRole));
  } else {
    box.setStandardButtons(Lookup(kButtons, buttons));
  }
  // Retry/Cancel is the busy-radio question, where Enter must not retry; an
  // OK/Cancel question with the critical icon is about to erase data; Yes/No
  // asks before something the user cannot take back (a delete, programming
  // without a backup).
  if (buttons == Buttons::RetryCancel || (buttons == Buttons::OkCancel && icon == Icon::Critical))
    box.setDefaultButton(QMessageBox::Cancel);
  if (buttons == Buttons::YesNo)
    box.setDefaultButton(QMessageBox::No);
  const int answer = Show(box);
  if (buttons == Buttons::RestoreDiscard)
    return box.buttonRole(box.clickedButton()) == QMessageBox::YesRole ? Answer::Yes : Answer::No;
  return Lookup(kAnswers, answer);
}

int QtHost::Choose(Icon icon, const std::string &title, const std::string &text,
                   const std::vector<std::string> &choices) {
  QMessageBox box(QApplication::activeWindow());
  SetUp(box, icon, title, text);
  std::vector<QPushButton *> buttons;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    const bool refusal = i + 1 == choices.size();
    buttons.push_back(box.addButton(ToQt(choices[i]),
                                    refusal ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
  }
  if (!buttons.empty()) {
    box.setDefaultButton(buttons.back());
    box.setEscapeButton(buttons.back());
  }
  Show(box);
  const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  return chosen == buttons.end() ? static_cast<int>(choices.size()) - 1
                                 : static_cast<int>(chosen - buttons.begin());
}

void QtHost::Yield() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtHost::Pause(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const qint64 left = ms - t.elapsed();
    if (left > 0)
      QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 10)));
  }
}

void QtHost::RepaintPause(int /*ms*/) {
  // Pending layouts and updates first, then one synchronous paint of every
  // window shown, so that nothing waits for the next turn of the event loop.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  for (QWidget *window : QApplication::topLevelWidgets()) {
    if (window->isVisible())
      window->repaint();
  }
}

std::int64_t QtHost::NowMs() { return clock_.elapsed(); }

} // namespace kv508::ui
