#include "ui_test_support.h"

#include "ui/node_keys.h"
#include "ui/ui_text.h"

#include <QAccessible>
#include <QApplication>

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>
#include <set>

namespace kv508::testing {

std::string ReadAll(const QString &path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll().toStdString();
}

QString Said(const FakeHost &host) {
  QStringList said;
  for (const RecordedMessage &m : host.messages)
    said << (m.icon == Icon::Exclamation ? "!" : "") + ui::ToQt(m.title + ": " + m.text);
  return said.join(QLatin1Char('\n'));
}

std::filesystem::path ProgramFolder::Path() const {
  return std::filesystem::path(QFile::encodeName(dir_.path()).toStdString());
}

void ProgramFolder::WriteText(const QString &name, const std::string &text) const {
  QFile file(File(name));
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(text.data(), static_cast<qint64>(text.size()));
}

WindowFixture::WindowFixture(const std::string &globalIni, const std::string &args)
    : arguments(args) {
  // The windows' tests program whatever identity their data hold; the
  // identity guard's own tests script its answers.
  host.unscriptedChoice = 1;
  if (!globalIni.empty())
    folder.WriteText(QStringLiteral("global.ini"), globalIni);
  folder.WriteText(QStringLiteral("mid-countries.csv"), kMidTable);
}

bool WindowFixture::Start() {
  ui::MainWindow::Options options;
  options.programDir = folder.Path();
  options.flags = ParseRunFlags(arguments);
  options.backupFolder = backupFolder;
  options.journalFolder = journalFolder;
  window = std::make_unique<ui::MainWindow>(host, settings, dialogs, options);
  return window->StartUp();
}

bool WindowFixture::Activate() {
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window.get());
}

void WindowFixture::Type(QWidget *widget, const QString &text) {
  widget->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(widget, text);
}

void WindowFixture::Paste(QWidget *widget, const QString &text) {
  QGuiApplication::clipboard()->setText(text);
  widget->setFocus(Qt::TabFocusReason);
  QTest::keySequence(widget, QKeySequence::Paste);
}

void WindowFixture::Choose(QComboBox *box, int index) {
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, Qt::Key_Home);
  for (int i = 0; i < index; ++i)
    QTest::keyClick(box, Qt::Key_Down);
}

QString WindowFixture::StatusHint() {
  return window->findChild<QLabel *>(QStringLiteral("sbPanel1"))->text();
}

QStringList TreeOutline(QTreeWidget &tree) {
  static const QStringList kLeafParents = {QStringLiteral("PU"), QStringLiteral("PI"),
                                           QStringLiteral("PC"), QStringLiteral("SM"),
                                           QStringLiteral("SG"), QStringLiteral("ExpChannel")};
  QStringList lines;
  const std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *item, int depth) {
    lines << QString(depth * 2, QLatin1Char(' ')) + item->text(0);
    if (kLeafParents.contains(item->data(0, Qt::UserRole).toString()))
      return;
    for (int i = 0; i < item->childCount(); ++i)
      walk(item->child(i), depth + 1);
  };
  for (int i = 0; i < tree.topLevelItemCount(); ++i)
    walk(tree.topLevelItem(i), 0);
  return lines;
}

QList<ScreenShown> EveryScreen() {
  namespace keys = ui::keys;
  QList<ScreenShown> screens{{keys::kGeneral, -1},
                             {keys::kUsable, -1},
                             {keys::kCommon, -1},
                             {keys::kDsc, 0},
                             {keys::kDsc, 1},
                             {keys::kDsc, 2},
                             {keys::kDsc, 3},
                             {keys::kAtis, -1},
                             {keys::kWeather, -1},
                             {keys::kExpChannel, -1},
                             {keys::ChannelKey(3, 1), -1},
                             {keys::kMemoryIds, -1},
                             {keys::kGroupIds, -1}};
  for (int g = 0; g < 3; ++g)
    screens << ScreenShown{keys::GroupKey(g), -1} << ScreenShown{keys::ChannelKey(g, 2), -1};
  screens << ScreenShown{keys::EntryKey(0, 1), -1} << ScreenShown{keys::EntryKey(1, 1), -1};
  return screens;
}

void ShowScreen(WindowFixture &f, const ScreenShown &screen) {
  f.ShowNode(screen.key);
  if (screen.page >= 0)
    f.Widget<QTabWidget>(QStringLiteral("tabDsc"))->setCurrentIndex(screen.page);
  for (int i = 0; i < 3; ++i) // captions set by the fill lay the screen out again
    QApplication::processEvents();
}

QString Name(QWidget *w) {
  QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
  if (!face)
    return {};
  return w->accessibleName().isEmpty() ? face->text(QAccessible::Name) : w->accessibleName();
}

QString Id(const QWidget *w) {
  return w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName();
}

QList<QWidget *> Controls(QWidget *container) {
  QList<QWidget *> found;
  for (QWidget *w : container->findChildren<QWidget *>()) {
    // Of a group of option buttons Tab reaches the one chosen; arrows move on.
    auto *option = qobject_cast<QRadioButton *>(w);
    if (option && option->autoExclusive() && !option->isChecked())
      continue;
    if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
      found << w;
  }
  return found;
}

namespace {

QRect Place(const QWidget *w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// True when `a` must be read before `b`: above it in the same column, or left
// of it in the same row.
bool ReadBefore(const QRect &a, const QRect &b) {
  const bool sameColumn = a.left() <= b.right() && b.left() <= a.right();
  const bool sameRow = (a.center().y() >= b.top() && a.center().y() <= b.bottom()) ||
                       (b.center().y() >= a.top() && b.center().y() <= a.bottom());
  return (sameColumn && a.bottom() < b.top()) || (sameRow && a.right() < b.left());
}

// The two widgets that hold `a` and `b` side by side: the children of their
// nearest common parent. Reading order holds between them.
std::pair<const QWidget *, const QWidget *> SideBySide(const QWidget *a, const QWidget *b) {
  for (const QWidget *x = a; x->parentWidget(); x = x->parentWidget()) {
    for (const QWidget *y = b; y->parentWidget(); y = y->parentWidget()) {
      if (x->parentWidget() == y->parentWidget())
        return {x, y};
    }
  }
  return {a, b};
}

} // namespace

QStringList KeyboardFaults(QWidget *container, QWidget *from) {
  QStringList faults;
  const QList<QWidget *> controls = Controls(container);
  for (QWidget *w : controls) {
    if (Name(w).isEmpty())
      faults << Id(w) + " has no name";
  }
  if (!container->window()->isActiveWindow()) {
    container->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(container->window()))
      return faults << "the window does not become active";
  }
  if (!from && !QApplication::focusWidget())
    QTest::keyClick(container->window(), Qt::Key_Tab);
  QWidget *start = from ? from : QApplication::focusWidget();
  if (!start)
    return faults << "nothing has the focus";
  start->setFocus(Qt::TabFocusReason);
  QList<QWidget *> visited;
  if (!from)
    visited << start;
  for (int i = 0; i <= controls.size() + 2; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget *now = QApplication::focusWidget();
    if (now == start)
      break;
    visited << now;
  }
  if (QApplication::focusWidget() != start)
    faults << "Tab does not come back to " + Id(start);
  const std::set<QWidget *> once(visited.begin(), visited.end());
  if (once.size() != static_cast<std::size_t>(visited.size()))
    faults << "Tab visits a control twice";
  for (QWidget *w : controls) {
    if (!once.count(w))
      faults << "Tab skips " + Id(w);
  }
  // Round the circle, the order starts at the first control read.
  if (!from && !visited.isEmpty()) {
    const auto first = std::min_element(visited.begin(), visited.end(), [](auto *a, auto *b) {
      const QRect ra = Place(a), rb = Place(b);
      return std::pair(ra.top(), ra.left()) < std::pair(rb.top(), rb.left());
    });
    std::rotate(visited.begin(), first, visited.end());
  }
  for (qsizetype i = 0; i < visited.size(); ++i) {
    for (qsizetype j = i + 1; j < visited.size(); ++j) {
      const auto [earlier, later] = SideBySide(visited[i], visited[j]);
      if (ReadBefore(Place(later), Place(earlier)))
        faults << Id(visited[j]) + " should come before " + Id(visited[i]);
    }
  }
  return faults;
}

} // namespace kv508::testing
