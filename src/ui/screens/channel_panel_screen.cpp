#include "ui/screens/channel_panel_screen.h"
#include "ui/screens/edit_record.h"

#include "app/busy_scope.h"
#include "app/session.h"
#include "model/convert.h"
#include "model/tables.h"
#include "ui/layout_rules.h"
#include "ui/nav_tree.h"
#include "ui/screens/binder.h"
#include "ui/screens/channel_tones.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv508::ui {

// The line that leads from one box of the enable cascade to the next; it is
// drawn in the enabled or disabled colour of the box it leads to.
class ConnectorLine : public QWidget {
public:
  ConnectorLine(const char *name, QWidget *parent) : QWidget(parent) {
    setObjectName(QLatin1String(name));
    setFixedSize(ToPixels(210), ToPixels(300));
  }
  static QColor Colour(bool lit) { return lit ? QColor(0, 0, 0) : QColor(0x80, 0x80, 0x80); }
  void SetLit(bool lit) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Colour(lit));
    setPalette(p);
  }

protected:
  void paintEvent(QPaintEvent *) override {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int x = width() / 3;
    const int y = height() / 2;
    painter.drawLine(x, 0, x, y);
    painter.drawLine(x, y, width() - 1, y);
  }
};

namespace {

constexpr int kScramblerCodes = 8;

QCheckBox *Box(QWidget *parent, const char *name, const char *caption, int helpTopic) {
  auto *box = new QCheckBox(QLatin1String(caption), parent);
  box->setObjectName(QLatin1String(name));
  if (helpTopic != 0)
    SetHelpTopic(box, helpTopic);
  return box;
}

QLabel *Label(QWidget *parent, const char *name, const char *caption) {
  auto *label = new QLabel(QLatin1String(caption), parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

QString PlanRxText(const ChannelRecord &record) {
  const ChannelTableArray &table = ChannelTable();
  if (!table.Contains(record.Position))
    return ToQt(FormatFreq3(0.0));
  const ChannelTableEntry &entry = table[record.Position];
  return ToQt(FormatFreq3(record.Duplex ? entry.RxDupFreq : entry.RxFreq));
}

} // namespace

ChannelPanelScreen::ChannelPanelScreen(ScreenContext &context)
    : context_(context), session_(context.session()), panel_(new QWidget) {
  panel_->setObjectName(QStringLiteral("fraChannel"));
  binder_ = new Binder(session_, panel_);
  BuildWidgets();
  Bind();
}

ChannelPanelScreen::~ChannelPanelScreen() { delete panel_.data(); }

void ChannelPanelScreen::BuildWidgets() {
  QWidget *p = panel_;
  auto *grid = new QGridLayout(p);
  const int margin = ToPixels(100);
  grid->setContentsMargins(margin, margin, margin, margin);

  enable_ = Box(p, "chkChEnable", "CH Enable", 1028);
  grid->addWidget(enable_, 0, 0, 1, 3);

  dispLabel_ = Label(p, "lblChDisp", "CH Display");
  auto *dispRow = new QHBoxLayout;
  const int dispWidths[2] = {ToPixels(450), ToPixels(330)};
  const int dispLengths[2] = {2, 1};
  for (int k = 0; k < 2; ++k) {
    disp_[k] = new QLineEdit(p);
    disp_[k]->setObjectName(QStringLiteral("txtChDisp_%1").arg(k));
    disp_[k]->setFixedWidth(dispWidths[k]);
    Restrict(disp_[k], kChannelDisplayChars, dispLengths[k]);
    dispFilter_[k] = disp_[k]->validator();
    dispRow->addWidget(disp_[k]);
  }
  SetHint(disp_[0], QStringLiteral("Indispensable 2 figures."));
  SetHint(disp_[1], QStringLiteral("Indispensable 1 figures."));
  dispRow->addStretch();
  grid->addWidget(dispLabel_, 1, 0);
  grid->addLayout(dispRow, 1, 1, 1, 2);

  const auto frequency = [&](int row, const char *label, const char *name, const char *unit,
                             const char *caption, QLabel *&captionLabel, QLabel *&unitLabel) {
    captionLabel = Label(p, label, caption);
    auto *edit = new CommitLineEdit(session_, p, p);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(8);
    edit->setFixedWidth(ToPixels(1100));
    unitLabel = Label(p, unit, "MHz");
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(unitLabel, row, 2);
    return edit;
  };
  rx_ = frequency(2, "lblRxFreq", "txtRxFreq", "lblRxUnit", "Rx Frequency", rxLabel_, rxUnit_);
  tx_ = frequency(3, "lblTxFreq", "txtTxFreq", "lblTxUnit", "Tx Frequency", txLabel_, txUnit_);
  SetHint(rx_, QStringLiteral("Rx frequency"));
  SetHint(tx_, QStringLiteral("Tx frequency"));
  rx_->check = [this] { return CheckFrequency(rx_, &ChannelRecord::Rxfreq, "Rx frequency"); };
  tx_->check = [this] { return CheckFrequency(tx_, &ChannelRecord::Txfreq, "Tx frequency"); };
  editablePalette_ = rx_->palette();
  lockedPalette_ = editablePalette_;
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    lockedPalette_.setColor(group, QPalette::Base,
                            p->palette().color(QPalette::Disabled, QPalette::Window));

  // The cascade: hidden boxes leave no gap, so in expansion mode the power
  // boxes take the places of "Tx Enable" and "Duplex".
  auto *boxes = new QVBoxLayout;
  boxes->setSpacing(0);
  txEnable_ = Box(p, "chkTxEnable", "Tx Enable", 1029);
  lowPower_ = Box(p, "chkLowPower", "Low Power Only", 1031);
  powerUp_ = Box(p, "chkPowerUp", "Power Up", 1032);
  duplex_ = Box(p, "chkDuplex", "Duplex", 1030);
  scanMemory_ = Box(p, "chkScanMemory", "Scan Memory", 1033);
  lowPowerLine_ = new ConnectorLine("linLowPower", p);
  powerUpLine_ = new ConnectorLine("linPowerUp", p);
  auto *lowRow = new QHBoxLayout;
  lowRow->addWidget(lowPowerLine_);
  lowRow->addWidget(lowPower_);
  lowRow->addStretch();
  auto *upRow = new QHBoxLayout;
  upRow->addSpacing(lowPowerLine_->width());
  upRow->addWidget(powerUpLine_);
  upRow->addWidget(powerUp_);
  upRow->addStretch();
  boxes->addWidget(txEnable_);
  boxes->addLayout(lowRow);
  boxes->addLayout(upRow);
  boxes->addWidget(duplex_);
  boxes->addWidget(scanMemory_);
  grid->addLayout(boxes, 4, 0, 1, 3);

  nameLabel_ = Label(p, "lblChName", "CH Name");
  name_ = new QLineEdit(p);
  name_->setObjectName(QStringLiteral("txtChName"));
  name_->setFixedWidth(ToPixels(2400));
  Restrict(name_, kNameAlphabet, 16);
  SetHelpTopic(name_, 1034);
  grid->addWidget(nameLabel_, 5, 0);
  grid->addWidget(name_, 5, 1, 1, 2);

  scramblerLabel_ = Label(p, "lblScrambler", "Scrambler");
  scrambler_ = new QComboBox(p);
  scrambler_->setObjectName(QStringLiteral("cmbScrambler"));
  for (int code = 0; code < kScramblerCodes; ++code)
    scrambler_->addItem(QString::number(code));
  SetHelpTopic(scrambler_, 1064);
  grid->addWidget(scramblerLabel_, 6, 0);
  grid->addWidget(scrambler_, 6, 1);

  bandwidth_ = new QWidget(p);
  bandwidth_->setObjectName(QStringLiteral("fraBandwidth"));
  auto *bandRow = new QHBoxLayout(bandwidth_);
  bandRow->setContentsMargins(0, 0, 0, 0);
  narrow_ = new QRadioButton(QStringLiteral("Narrow"), bandwidth_);
  narrow_->setObjectName(QStringLiteral("optNarrow"));
  wide_ = new QRadioButton(QStringLiteral("Wide"), bandwidth_);
  wide_->setObjectName(QStringLiteral("optWide"));
  narrow_->setProperty("editName", QStringLiteral("Bandwidth"));
  wide_->setProperty("editName", QStringLiteral("Bandwidth"));
  SetHint(narrow_, kSelectionHint);
  SetHint(wide_, kSelectionHint);
  bandRow->addWidget(narrow_);
  bandRow->addWidget(wide_);
  bandRow->addStretch();
  grid->addWidget(bandwidth_, 7, 0, 1, 3);

  tones_ = new ChannelTones(
      p, *binder_, [this](RadioData &d) -> ChannelRecord & { return Record(d); },
      [this] { ApplyRules(); });
  grid->addWidget(tones_, 8, 0, 1, 4);
  grid->setRowStretch(9, 1);
  grid->setColumnStretch(3, 1);
}

void ChannelPanelScreen::Bind() {
  Binder &b = *binder_;
  const auto rules = [this] { ApplyRules(); };
  b.Check(
      enable_, [this](RadioData &d) -> bool & { return Record(d).Enable; }, {},
      [this] { EnableChanged(); });
  b.Check(
      txEnable_, [this](RadioData &d) -> bool & { return Record(d).TxEnable; }, rules);
  b.Check(
      lowPower_, [this](RadioData &d) -> bool & { return Record(d).LowPower; }, rules);
  b.Check(powerUp_, [this](RadioData &d) -> bool & { return Record(d).PowUp; });
  b.Check(
      duplex_, [this](RadioData &d) -> bool & { return Record(d).Duplex; }, {},
      [this] { ShowPlanRx(); });
  b.Check(scanMemory_, [this](RadioData &d) -> bool & { return Record(d).ScanMemory; });
  b.Text(name_, [this](RadioData &d) -> std::string & { return Record(d).ChTag; });
  b.ListIndex(scrambler_, [this](RadioData &d) -> std::int16_t & { return Record(d).Scramble; });
  // Plan channels show their display from the label; their fields are locked.
  b.Text(disp_[0], [this](RadioData &d) -> std::string & { return Record(d).CHDisplayL; });
  b.Text(disp_[1], [this](RadioData &d) -> std::string & { return Record(d).CHDisplayR; });
  QObject::connect(narrow_, &QRadioButton::clicked, binder_, [this] { ChooseBandwidth(true); });
  QObject::connect(wide_, &QRadioButton::clicked, binder_, [this] { ChooseBandwidth(false); });
}

ChannelRecord &ChannelPanelScreen::Record(RadioData &data) {
  if (request_.bank < 0 || request_.bank > 3)
    return scratch_;
  ChannelBank &bank = data.GroupBank(request_.bank);
  return bank.Contains(request_.record) ? bank[request_.record] : scratch_;
}

void ChannelPanelScreen::Fill(const ScreenRequest &request) {
  BusyScope busy(session_.state);
  request_ = request;
  expansion_ = request.kind == ScreenKind::ExpPanel;
  SetMode();
  binder_->Fill();
  const ChannelRecord &record = Record(session_.data);
  if (expansion_)
    ShowExpansionFields(record);
  else
    ShowPlanFields(record);
  txEnable_->setChecked(TxEnableShown(record, Mode()));
  (record.Narrow ? narrow_ : wide_)->setChecked(true);
  const bool scramble = session_.model.ScrambleCapable;
  scramblerLabel_->setVisible(scramble);
  scrambler_->setVisible(scramble);
  ApplyRules();
}

void ChannelPanelScreen::Refill() {
  const bool shown =
      request_.kind == ScreenKind::ChannelPanel || request_.kind == ScreenKind::ExpPanel;
  if (shown && RecordExists(request_, session_.data))
    Fill(request_);
}

void ChannelPanelScreen::SetMode() {
  const bool plan = !expansion_;
  for (QLineEdit *edit :
       {disp_[0], disp_[1], static_cast<QLineEdit *>(rx_), static_cast<QLineEdit *>(tx_)}) {
    edit->setReadOnly(plan);
    edit->setPalette(plan ? lockedPalette_ : editablePalette_);
  }
  // A validator also filters set texts: the plan display shows "o" and "'",
  // which nobody may type.
  for (int k = 0; k < 2; ++k)
    disp_[k]->setValidator(plan ? nullptr : dispFilter_[k]);
  txEnable_->setVisible(plan);
  duplex_->setVisible(plan);
  lowPowerLine_->setVisible(plan);
  bandwidth_->setVisible(!plan);
  tones_->setVisible(!plan);
}

void ChannelPanelScreen::ShowPlanFields(const ChannelRecord &record) {
  const ChannelTableArray &table = ChannelTable();
  const bool known = table.Contains(record.Position);
  const ChannelDisplay display = PlanChannelDisplay(known ? table[record.Position].Label : "");
  disp_[0]->setText(ToQt(display.left));
  disp_[1]->setText(ToQt(display.right));
  rx_->ShowStored(PlanRxText(record));
  tx_->ShowStored(ToQt(FormatTxFreq3(known ? table[record.Position].TxFreq : 0.0, record.RxOnly)));
}

void ChannelPanelScreen::ShowExpansionFields(const ChannelRecord &record) {
  rx_->ShowStored(ToQt(FormatFreq4(record.Rxfreq)));
  tx_->ShowStored(ToQt(FormatFreq4(record.Txfreq)));
}

void ChannelPanelScreen::ApplyRules() {
  const ChannelEnables e = ChannelPanelEnables(Record(session_.data), Mode());
  for (QWidget *w :
       std::initializer_list<QWidget *>{dispLabel_, disp_[0], disp_[1], rxLabel_, rx_, rxUnit_,
                                        txLabel_, tx_, txUnit_, nameLabel_, name_, bandwidth_})
    w->setEnabled(e.fields);
  txEnable_->setEnabled(e.txEnable);
  duplex_->setEnabled(e.duplex);
  lowPower_->setEnabled(e.lowPower);
  powerUp_->setEnabled(e.powerUp);
  lowPowerLine_->SetLit(e.lowPower);
  powerUpLine_->SetLit(e.powerUp);
  scanMemory_->setEnabled(e.scanMemory);
  scramblerLabel_->setEnabled(e.scrambler);
  scrambler_->setEnabled(e.scrambler);
  tones_->SetEnables(e.fields, e.comp);
}

void ChannelPanelScreen::EnableChanged() {
  Fill(request_);
  const ChannelRecord &record = Record(session_.data);
  const QString text = expansion_ ? QStringLiteral("EXP") + QString::number(request_.record)
                                  : ChannelNodeText(record);
  context_.SetNodeText(request_.key, record.Enable ? text + QStringLiteral("[Enable]") : text);
  enable_->setFocus(Qt::OtherFocusReason);
}

void ChannelPanelScreen::ShowPlanRx() {
  if (!expansion_)
    rx_->ShowStored(PlanRxText(Record(session_.data)));
}

void ChannelPanelScreen::ChooseBandwidth(bool narrow) {
  if (!binder_->Editable() || !expansion_)
    return;
  Record(session_.data).Narrow = narrow;
  session_.state.DataChanged = true;
  RecordEdit(session_, narrow ? narrow_ : wide_);
}

bool ChannelPanelScreen::CheckFrequency(CommitLineEdit *edit, double ChannelRecord::*field,
                                        const char *title) {
  if (!expansion_ || edit->isReadOnly())
    return true;
  double f = 0.0;
  if (!ParseExpansionFreq(FromQt(edit->text()), f)) {
    session_.host.Message(Icon::Exclamation, title, "Data Error!!", Buttons::Ok);
    return false;
  }
  Record(session_.data).*field = f;
  session_.state.DataChanged = true;
  edit->ShowStored(ToQt(FormatFreq4(f)));
  return true;
}

bool ChannelPanelScreen::CommitEdit() {
  if (!CommitEditedFields(panel_))
    return false;
  if (enable_->isChecked() && !rx_->isReadOnly() &&
      (rx_->text().contains(QLatin1String("---")) || disp_[0]->text().size() < 2)) {
    session_.host.Message(Icon::Exclamation, session_.state.TitleText,
                          "Data Error!!\r\nPlease input correct data.", Buttons::Ok);
    return false;
  }
  return true;
}

} // namespace kv508::ui
