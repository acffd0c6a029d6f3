#include "ui/main_window.h"

#include "ui/appearance.h"
#include "ui/edit_controller.h"
#include "ui/exchange_commands.h"
#include "ui/file_commands.h"
#include "ui/help_menu.h"
#include "ui/hex_dump.h"
#include "ui/journal_keeper.h"
#include "ui/layout_rules.h"
#include "ui/model_menu.h"
#include "ui/navigator.h"
#include "ui/pane_layout.h"
#include "ui/port_menu.h"
#include "ui/print_commands.h"
#include "ui/radio_commands.h"
#include "ui/screen_area.h"
#include "ui/screens/screen_access.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/widget_props.h"
#include "ui/toolbar.h"
#include "ui/ui_text.h"
#include "ui/window_context.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QResizeEvent>
#include <QShortcut>
#include <QStatusBar>
#include <QTreeWidget>

// The icons are compiled into this static library; its resources must be
// registered by hand. Q_INIT_RESOURCE does not work inside a namespace.
static void InitUiResources() { Q_INIT_RESOURCE(ui_resources); }

namespace kv508::ui {

namespace {

// The stored scheme is applied before the window itself is made: a window not
// yet shown would keep the palette it was made with.
QWidget *WithStoredAppearance(UserSettings &settings, QWidget *parent) {
  ApplyAppearance(prefs::AppearanceChoice(settings));
  return parent;
}

} // namespace

MainWindow::MainWindow(Host &host, UserSettings &settings, UiDialogs &dialogs, Options options,
                       QWidget *parent)
    : QMainWindow(WithStoredAppearance(settings, parent)), options_(std::move(options)),
      host_(host), session_(host_, settings), dialogs_(dialogs), places_(settings) {
  InitUiResources();
  WatchDialogs();
  setObjectName(QStringLiteral("frmMain"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/kv508.svg")));
  setMinimumSize(kMinWidthPx, kMinHeightPx);
  setAcceptDrops(true);
  session_.programDir = options_.programDir;
  session_.state.DebugMode = options_.flags.DebugMode;
  session_.state.LowSpeedLink = options_.flags.LowSpeedLink;
  session_.backups.folder = options_.backupFolder;
  session_.observer = this;
  host_.SetMainWindow(this);

  CreateCentralArea();
  CreateParts();
  CreateFileMenu();
  CreateEditMenu();
  CreateTransferMenu();
  models_->AddDestinationMenu(menuBar());
  CreateOptionsMenu();
  help_->AddMenu(menuBar());
  CreateToolBar(*this);
  CreateStatusBar();
  CreateShortcuts();
  // Which backup is shown, from a restore until other data or a save.
  restored_ = new QLabel(statusBar());
  restored_->setObjectName(QStringLiteral("sbRestored"));
  restored_->hide();
  statusBar()->insertWidget(0, restored_, 3);
  files_->OnRestored([this](const QString &text) {
    restored_->setText(text);
    restored_->show();
  });
}

MainWindow::~MainWindow() {
  // The screens go first, while the parts they call on are still there.
  delete centralWidget();
  session_.observer = nullptr;
  host_.SetMainWindow(nullptr);
}

void MainWindow::CreateParts() {
  navigator_ = new Navigator(session_, centralWidget(),
                             [this](const QString &hint) { SetStatusHint(hint); });
  panes_ = new PaneLayout(centralWidget(), &navigator_->Tree(), &navigator_->Pane());
  edits_ = new EditController(
      session_, *navigator_, [this] { Refresh(); }, [this] { StateChanged(); }, this);
  journal_ = new JournalKeeper(session_, host_, options_.journalFolder, this);
  const WindowParts parts{session_, host_,       dialogs_, places_,
                          *this,    *navigator_, *edits_,  [this] { RefreshHexDump(); }};
  files_ = new FileCommands(parts);
  printing_ = new PrintCommands(parts);
  exchange_ = new ExchangeCommands(parts);
  help_ = new HelpMenu(parts);
  models_ = new ModelMenu(parts, *files_, options_.programDir / "global.ini",
                          [this](const QString &model) { statusPanels_[2]->setText(model); });
  ports_ = new PortMenu(
      session_, dialogs_, new QMenu(tr("&SerialPort"), this), options_.flags.LowSpeedLink,
      [this](const QString &port) { statusPanels_[1]->setText(port); }, this);
  radio_ = new RadioCommands(parts, *ports_, *files_, [this](int topic, const std::string &title) {
    help_->ShowTopic(topic, title);
  });
  screenContext_ =
      std::make_unique<WindowContext>(session_, *navigator_, *edits_, *radio_, dialogs_, *this,
                                      [this](const QString &hint) { navigator_->KeepHint(hint); });
  navigator_->RegisterScreens(*screenContext_);
}

void MainWindow::CreateShortcuts() {
  // The image commands exist in debug mode only; shortcuts of the window reach
  // it whichever control has the focus.
  if (session_.state.DebugMode) {
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3), this), &QShortcut::activated, files_,
            &FileCommands::SaveImage);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2), this), &QShortcut::activated, files_,
            &FileCommands::OpenImage);
  }
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, help_,
          &HelpMenu::ForFocus);
  // Every control's hint appears when it gets the focus; a control without
  // one clears the hint of the control before.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
    if (now && isAncestorOf(now))
      SetStatusHint(HintFor(now));
  });
}

QTreeWidget &MainWindow::tree() { return navigator_->Tree(); }
ScreenArea &MainWindow::screens() { return navigator_->Screens(); }
PortProvider &MainWindow::ports() { return ports_->Provider(); }

void MainWindow::Refresh() {
  restored_->hide();
  navigator_->Refresh();
  UpdateCaption();
  RefreshHexDump();
  edits_->UpdateActions();
}

void MainWindow::DestinationsChanged() { models_->SyncDestinations(); }

void MainWindow::StateChanged() {
  UpdateCaption();
  journal_->StateChanged();
}

// --- layout -----------------------------------------------------------------

void MainWindow::CreateCentralArea() {
  auto *central = new QWidget(this);
  central->setObjectName(QStringLiteral("fraCentral"));
  setCentralWidget(central);
}

void MainWindow::resizeEvent(QResizeEvent *event) {
  QMainWindow::resizeEvent(event);
  if (isMinimized())
    return;
  panes_->WindowResized(width());
  if (isEnabled())
    LoadLogoOnce();
}

void MainWindow::changeEvent(QEvent *event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::EnabledChange && isEnabled() && isVisible())
    LoadLogoOnce();
}

void MainWindow::LoadLogoOnce() {
  if (logoLoaded_)
    return;
  logoLoaded_ = true;
  QPixmap logo(QtFromPath(options_.programDir / "KQ Logo.gif"));
  if (logo.isNull())
    return;
  screens().Logo()->setPixmap(logo);
  screens().Logo()->show();
}

// --- status bar and hex dump --------------------------------------------------

void MainWindow::SetStatusHint(const QString &hint) {
  if (statusPanels_[0])
    statusPanels_[0]->setText(hint);
}

void MainWindow::RefreshHexDump() {
  QListWidget *hexDump = panes_->HexDump();
  if (hexDump->isVisibleTo(this))
    FillHexDump(*hexDump, session_.data.Image);
}

void MainWindow::ToggleHexDump() {
  panes_->HexDump()->setVisible(hexDumpAction_->isChecked() && session_.state.DebugMode);
  panes_->Relayout();
  RefreshHexDump();
}

} // namespace kv508::ui
