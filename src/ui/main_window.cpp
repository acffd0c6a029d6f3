#include "ui/main_window.h"

#include "app/busy_scope.h"
#include "ui/help_window.h"
#include "ui/hex_dump.h"
#include "ui/layout_rules.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/screens/register_screens.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/widget_props.h"
#include "ui/solid_fill.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>
#include <QTreeWidget>

// The icons are compiled into this static library; its resources must be
// registered by hand. Q_INIT_RESOURCE does not work inside a namespace.
static void InitUiResources() { Q_INIT_RESOURCE(ui_resources); }

namespace kv508::ui {

namespace {
const QString &kTreeHint = kSelectionHint;
constexpr int kHexDumpHeightPx = 140;
constexpr int kTreeHelpTopic = 1054;
constexpr int kContentsHelpTopic = 1001;

// The window as the editing screens see it.
class WindowContext : public ScreenContext {
public:
  explicit WindowContext(MainWindow &w) : w_(w) {}
  Session &session() override { return w_.session(); }
  void SetStatusHint(const QString &hint) override { w_.SetStatusHint(hint); }
  void SelectNodeByKey(const QString &key) override { w_.SelectNodeByKey(key); }
  QString SelectedNodeKey() override { return NodeKey(w_.tree().currentItem()); }
  void RebuildTree() override { w_.RebuildTreeKeepingSelection(); }
  void RefreshNodeTexts() override { w_.RefreshNodeTexts(); }
  void SetNodeText(const QString &key, const QString &text) override {
    if (QTreeWidgetItem *node = FindNodeByKey(w_.tree(), key))
      node->setText(0, text);
  }
  void ShowSelectedNodeAgain() override { w_.ShowSelectedNodeAgain(); }
  bool CommitActiveEdit() override { return w_.CommitActiveEdit(); }
  bool RunTransfer(int mode) override { return w_.RunTransfer(mode); }

private:
  MainWindow &w_;
};
} // namespace

MainWindow::MainWindow(Host &host, UserSettings &settings, UiDialogs &dialogs, Options options,
                       QWidget *parent)
    : QMainWindow(parent), options_(std::move(options)), host_(host), session_(host_, settings),
      dialogs_(dialogs), places_(settings), ports_(options_.flags.LowSpeedLink) {
  InitUiResources();
  setObjectName(QStringLiteral("frmMain"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/kv508.svg")));
  setMinimumSize(kMinWidthPx, kMinHeightPx);
  setAcceptDrops(true);
  session_.programDir = options_.programDir;
  session_.state.DebugMode = options_.flags.DebugMode;
  session_.state.LowSpeedLink = options_.flags.LowSpeedLink;
  session_.backups.folder = options_.backupFolder;
  host_.SetMainWindow(this);

  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  CreateCentralArea();
  WireEditorHooks();
  screenContext_ = std::make_unique<WindowContext>(*this);
  RegisterScreens(*screens_, *screenContext_);

  newTimer_ = new QTimer(this);
  newTimer_->setObjectName(QStringLiteral("tmrNew"));
  newTimer_->setSingleShot(true);
  newTimer_->setInterval(100);
  connect(newTimer_, &QTimer::timeout, this, &MainWindow::RunDeferredNew);

  // The image commands exist in debug mode only; shortcuts of the window reach
  // it whichever control has the focus.
  if (session_.state.DebugMode) {
    auto *saveImage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3), this);
    connect(saveImage, &QShortcut::activated, this, &MainWindow::SaveImageCommand);
    auto *openImage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2), this);
    connect(openImage, &QShortcut::activated, this, &MainWindow::OpenImageCommand);
  }
  auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &MainWindow::HelpForFocus);
  // Every control's hint appears when it gets the focus.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
    if (!now || !isAncestorOf(now))
      return;
    const QString hint = HintFor(now);
    if (!hint.isNull())
      SetStatusHint(hint);
  });
}

MainWindow::~MainWindow() {
  session_.editor = EditorHooks{};
  host_.SetMainWindow(nullptr);
}

void MainWindow::CreateCentralArea() {
  auto *central = new QWidget(this);
  central->setObjectName(QStringLiteral("fraCentral"));
  setCentralWidget(central);

  tree_ = new QTreeWidget(central);
  tree_->setObjectName(QStringLiteral("tvTreeView"));
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setUniformRowHeights(true);
  SetHint(tree_, kTreeHint);
  SetHelpTopic(tree_, kTreeHelpTopic);
  connect(tree_, &QTreeWidget::currentItemChanged, this, &MainWindow::OnCurrentItemChanged);
  connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *node) {
    const QString key = NodeKey(node);
    if (key == QLatin1String("SM") || key == QLatin1String("SG"))
      RefreshDirectoryNode(*node, session_.data);
  });

  splitter_ = new QWidget(central);
  splitter_->setObjectName(QStringLiteral("imgSplitter"));
  splitter_->setCursor(Qt::SplitHCursor);
  splitter_->installEventFilter(this);

  screens_ = new ScreenArea(central);

  dragBar_ = new QWidget(central);
  dragBar_->setObjectName(QStringLiteral("picSplitter"));
  FillSolid(dragBar_, QColor(0x80, 0x80, 0x80));
  dragBar_->hide();

  hexDump_ = new QListWidget(central);
  hexDump_->setObjectName(QStringLiteral("HexDumpView"));
  hexDump_->hide();

  central->installEventFilter(this);
  treeWidthPx_ = ToPixels(kSplitterStartTwips);
}

void MainWindow::WireEditorHooks() {
  EditorHooks &e = session_.editor;
  e.RefillScreens = [this] { screens_->RefillAll(); };
  e.RebuildTree = [this] { BuildTree(); };
  e.SelectGeneral = [this] { SelectGeneralHook(); };
  e.ClearStatusHint = [this] { SetStatusHint(QString()); };
  e.UpdateCaption = [this] { UpdateCaption(); };
  e.RefreshNodeTexts = [this] { RefreshNodeTexts(); };
  e.RecordEdit = [this](const std::string &name, const std::string &widgetName) {
    RecordEdit(name, widgetName);
  };
  e.DestinationMenuChanged = [this] { SyncDestinationMenu(); };
}

// --- layout -----------------------------------------------------------------

void MainWindow::resizeEvent(QResizeEvent *event) {
  QMainWindow::resizeEvent(event);
  if (isMinimized())
    return;
  treeWidthPx_ = ToPixels(TreeWidthForWindow(ToTwips(width())));
  LayoutPanes(treeWidthPx_);
  if (isEnabled())
    LoadLogoOnce();
}

void MainWindow::changeEvent(QEvent *event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::EnabledChange && isEnabled() && isVisible())
    LoadLogoOnce();
}

void MainWindow::LayoutPanes(int treeWidthPx) {
  QWidget *central = centralWidget();
  if (!central || isMinimized())
    return;
  const int w = central->width();
  const int h = central->height();
  const int hexHeight = hexDump_->isVisibleTo(this) ? kHexDumpHeightPx : 0;
  const int paneHeight = std::max(0, h - hexHeight);
  const int gap = ToPixels(kScreenGapTwips);
  const int margin = ToPixels(kScreenMarginTwips);
  tree_->setGeometry(0, 0, treeWidthPx, paneHeight);
  splitter_->setGeometry(treeWidthPx, 0, gap, paneHeight);
  dragBar_->setGeometry(treeWidthPx, 0, 4, paneHeight);
  const int screenLeft = treeWidthPx + gap;
  screens_->setGeometry(screenLeft, margin, std::max(0, w - screenLeft - margin),
                        std::max(0, paneHeight - 2 * margin));
  hexDump_->setGeometry(0, paneHeight, w, hexHeight);
}

void MainWindow::LoadLogoOnce() {
  if (logoLoaded_)
    return;
  logoLoaded_ = true;
  QPixmap logo(QtFromPath(options_.programDir / "KQ Logo.gif"));
  if (logo.isNull())
    return;
  screens_->Logo()->setPixmap(logo);
  screens_->Logo()->show();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize) {
    LayoutPanes(treeWidthPx_);
  } else if (watched == splitter_) {
    auto *mouse = static_cast<QMouseEvent *>(event);
    const auto barX = [&] {
      const int x = splitter_->mapTo(this, mouse->position().toPoint()).x();
      return ToPixels(ClampSplitterDrag(ToTwips(x), ToTwips(width())));
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (mouse->button() != Qt::LeftButton)
        break;
      dragging_ = true;
      dragBar_->move(barX() - centralWidget()->x(), 0);
      dragBar_->show();
      dragBar_->raise();
      return true;
    case QEvent::MouseMove:
      if (!dragging_)
        break;
      dragBar_->move(barX() - centralWidget()->x(), 0);
      return true;
    case QEvent::MouseButtonRelease:
      if (!dragging_)
        break;
      dragging_ = false;
      treeWidthPx_ = barX() - centralWidget()->x();
      dragBar_->hide();
      LayoutPanes(treeWidthPx_);
      return true;
    default:
      break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// --- tree and screens --------------------------------------------------------

void MainWindow::BuildTree() {
  selecting_ = true;
  kv508::ui::BuildTree(*tree_, session_.data, session_.model.AtisCapable);
  selecting_ = false;
}

void MainWindow::RefreshNodeTexts() { kv508::ui::RefreshNodeTexts(*tree_, session_.data); }

void MainWindow::OnCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *) {
  if (selecting_)
    return;
  if (session_.state.Busy) {
    SetStatusHint(kTreeHint);
    return;
  }
  NodeClick(current);
}

void MainWindow::NodeClick(QTreeWidgetItem *node) {
  SetStatusHint(kTreeHint);
  if (!node)
    return;
  if (NodeIndex(node) == currentNode_)
    return;
  if (!CommitActiveEdit()) {
    // The field refused its input: the old node and its screen stay.
    selecting_ = true;
    tree_->setCurrentItem(FindNodeByIndex(*tree_, currentNode_));
    selecting_ = false;
    return;
  }
  currentNode_ = NodeIndex(node);
  ShowScreenForNode(node);
}

void MainWindow::SelectNodeByKey(const QString &key) {
  QTreeWidgetItem *node = FindNodeByKey(*tree_, key);
  if (!node)
    return;
  selecting_ = true;
  tree_->setCurrentItem(node);
  selecting_ = false;
  NodeClick(node);
}

void MainWindow::SelectNodeSilently(const QString &key) {
  selecting_ = true;
  tree_->setCurrentItem(FindNodeByKey(*tree_, key));
  selecting_ = false;
}

void MainWindow::SelectGeneralHook() {
  SelectNodeByKey(QStringLiteral("General"));
  currentNode_ = -1;
}

void MainWindow::ShowScreenForNode(QTreeWidgetItem *node) {
  AppState &state = session_.state;
  state.OperationIncomplete = true;
  if (isMinimized() || !node)
    return;
  const bool changed = state.DataChanged;
  {
    BusyScope busy(state);
    screens_->Show(ScreenForNode(NodeKey(node->parent()), NodeKey(node)), session_.data);
  }
  SetStatusHint(kTreeHint);
  state.OperationIncomplete = false;
  state.DataChanged = changed;
}

void MainWindow::ShowSelectedNodeAgain() {
  if (QTreeWidgetItem *node = tree_->currentItem())
    ShowScreenForNode(node);
}

void MainWindow::RebuildTreeKeepingSelection() {
  const QString key = NodeKey(tree_->currentItem());
  BuildTree();
  RefreshNodeTexts();
  QTreeWidgetItem *node = FindNodeByKey(*tree_, key);
  selecting_ = true;
  tree_->setCurrentItem(node);
  selecting_ = false;
  currentNode_ = node ? NodeIndex(node) : -1;
}

bool MainWindow::CommitActiveEdit() { return screens_->CommitActiveEdit(); }

void MainWindow::HelpForFocus() {
  const int topic = HelpTopicFor(QApplication::focusWidget());
  ShowHelpTopic(topic > 0 ? topic : kContentsHelpTopic, session_.state.TitleText);
}

void MainWindow::SetStatusHint(const QString &hint) { statusPanels_[0]->setText(hint); }

void MainWindow::RefreshHexDump() {
  if (!hexDump_->isVisibleTo(this))
    return;
  FillHexDump(*hexDump_, session_.data.Image);
}

void MainWindow::ToggleHexDump() {
  const bool visible = hexDumpAction_->isChecked() && session_.state.DebugMode;
  hexDump_->setVisible(visible);
  LayoutPanes(treeWidthPx_);
  RefreshHexDump();
}

std::filesystem::path MainWindow::GlobalIni() const { return options_.programDir / "global.ini"; }

} // namespace kv508::ui
