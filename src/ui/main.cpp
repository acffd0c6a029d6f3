// kv508: the desktop application.

#include "app/app_state.h"
#include "app/config.h"
#include "app/journal.h"
#include "app/user_prefs.h"
#include "link/qt_serial_port.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"
#include "ui/qt_user_settings.h"
#include "ui/translations.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QEvent>

#include <cstdlib>

namespace {

// With KV508_EXIT_WHEN_SHOWN set the program ends as soon as the main window
// has painted for the first time, without closing it (closing stores the window
// place): start-up timed from process start to what the user first sees.
class ExitWhenPainted : public QObject {
public:
  explicit ExitWhenPainted(QWidget &window) : window_(window) {}
  bool eventFilter(QObject *watched, QEvent *event) override {
    auto *widget = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::Paint && widget != nullptr && widget->window() == &window_)
      QMetaObject::invokeMethod(
          qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
    return false;
  }

private:
  QWidget &window_;
};

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QLatin1String(kv508::kApplicationTitle));
  QApplication::setOrganizationName(QLatin1String(kv508::kApplicationTitle));
  QApplication::setDesktopFileName(QStringLiteral("kv508"));

  // The flags come from the whole argument text, as one string.
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const kv508::RunFlags flags =
      kv508::ParseRunFlags(kv508::ui::FromQt(arguments.join(QLatin1Char(' '))));

  kv508::ui::QtUserSettings settings;
  kv508::ui::QtHost host;
  kv508::ui::InstallTranslations(QString::fromStdString(kv508::prefs::Language(settings)));
  kv508::ui::QtDialogs dialogs;
  kv508::ui::MainWindow::Options options;
  options.programDir =
      kv508::LocateProgramFolder(kv508::ui::PathFromQt(QApplication::applicationDirPath()));
  options.flags = flags;
  options.backupFolder = kv508::DefaultBackupFolder();
  options.journalFolder = kv508::DefaultJournalFolder();
  options.defaultToSimulatedRadio = kv508::ListSerialPorts().empty();

  kv508::ui::MainWindow window(host, settings, dialogs, options);
  if (!window.StartUp())
    return 1;
  ExitWhenPainted exitWhenPainted(window);
  if (qEnvironmentVariableIsSet("KV508_EXIT_WHEN_SHOWN"))
    app.installEventFilter(&exitWhenPainted);
  window.show();
  return QApplication::exec();
}
