#include "ui_test_support.h"

#include "image/decode.h"
#include "image/default_image.h"

#include <QFile>
#include <QTreeWidget>

namespace kv508::testing {

QString ScriptedDialogs::OpenFileName(QWidget *, const QString &filter, const QString &) {
  asked << QStringLiteral("open:") + filter;
  if (openAnswers.empty())
    return {};
  QString answer = openAnswers.front();
  openAnswers.pop_front();
  return answer;
}

QString ScriptedDialogs::SaveFileName(QWidget *, const QString &filter, const QString &,
                                      const QString &) {
  asked << QStringLiteral("save:") + filter;
  if (saveAnswers.empty())
    return {};
  QString answer = saveAnswers.front();
  saveAnswers.pop_front();
  return answer;
}

bool ScriptedDialogs::SetUpPrinter(QWidget *, QPrinter &p) {
  asked << QStringLiteral("printer");
  return printer ? printer(p) : false;
}

QString ScriptedDialogs::DevicePath(QWidget *, const QString &) {
  asked << QStringLiteral("device");
  return device;
}

MemoryImage DefaultImageBytes() {
  RadioData data;
  BuildDefaultImage(data, 1);
  return data.Image;
}

ProgramFolder::ProgramFolder() { dir_.setAutoRemove(true); }

std::filesystem::path ProgramFolder::Path() const {
  return std::filesystem::path(QFile::encodeName(dir_.path()).toStdString());
}

QString ProgramFolder::File(const QString &name) const { return dir_.filePath(name); }

void ProgramFolder::WriteText(const QString &name, const std::string &text) const {
  QFile file(File(name));
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(text.data(), static_cast<qint64>(text.size()));
}

void ProgramFolder::WriteBytes(const QString &name, const MemoryImage &image) const {
  QFile file(File(name));
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(reinterpret_cast<const char *>(image.data()), static_cast<qint64>(image.size()));
}

WindowFixture::WindowFixture(const std::string &globalIni, const std::string &args)
    : arguments(args) {
  if (!globalIni.empty())
    folder.WriteText(QStringLiteral("global.ini"), globalIni);
}

bool WindowFixture::Start() {
  ui::MainWindow::Options options;
  options.programDir = folder.Path();
  options.flags = ParseRunFlags(arguments);
  window = std::make_unique<ui::MainWindow>(host, settings, dialogs, options);
  return window->StartUp();
}

QStringList TreeOutline(QTreeWidget &tree) {
  QStringList lines;
  const std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *item, int depth) {
    lines << QString(depth * 2, QLatin1Char(' ')) + item->text(0);
    const QString key = item->data(0, Qt::UserRole).toString();
    if (key == QLatin1String("PU") || key == QLatin1String("PI") || key == QLatin1String("PC") ||
        key == QLatin1String("SM") || key == QLatin1String("SG") ||
        key == QLatin1String("ExpChannel"))
      return;
    for (int i = 0; i < item->childCount(); ++i)
      walk(item->child(i), depth + 1);
  };
  for (int i = 0; i < tree.topLevelItemCount(); ++i)
    walk(tree.topLevelItem(i), 0);
  return lines;
}

} // namespace kv508::testing
