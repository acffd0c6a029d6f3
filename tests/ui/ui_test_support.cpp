#include "ui_test_support.h"

#include "ui/ui_text.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QTreeWidget>

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

} // namespace kv508::testing
