#include "ui/screens/channel_panel_screen.h"

#include "app/session.h"
#include "model/convert.h"
#include "model/tables.h"
#include "ui/appearance.h"
#include "ui/help_topics.h"
#include "ui/layout_rules.h"
#include "ui/screens/channel_tones.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/widget_props.h"
#include "ui/screens/widgets.h"
#include "ui/solid_fill.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kv508::ui {

// The line that leads from one box of the enable cascade to the next; it is
// drawn in the enabled or disabled colour of the box it leads to.
class ConnectorLine : public QWidget {
public:
  ConnectorLine(const char *name, QWidget *parent) : QWidget(parent) {
    setObjectName(QLatin1String(name));
    setFixedSize(ToPixels(210), ToPixels(300));
  }
  void SetLit(bool lit) { ShowLit(this, lit); }

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
constexpr int kNameLength = 16;

QString PlanRxText(const ChannelRecord &record) {
  const ChannelTableArray &table = ChannelTable();
  if (!table.Contains(record.Position))
    return ToQt(FormatFreq3(0.0));
  const ChannelTableEntry &entry = table[record.Position];
  return ToQt(FormatFreq3(record.Duplex ? entry.RxDupFreq : entry.RxFreq));
}

} // namespace

ChannelPanelScreen::ChannelPanelScreen(ScreenContext &context)
    : PanelScreen(context, "fraChannel") {
  BuildWidgets();
  Bind();
}

void ChannelPanelScreen::BuildWidgets() {
  QWidget *p = panel_.get();
  auto *grid = new QGridLayout(p);
  const int margin = ToPixels(100);
  grid->setContentsMargins(margin, margin, margin, margin);

  enable_ = NewBox(p, QStringLiteral("chkChEnable"), tr("CH Enable"), kHelpChannelEnable);
  grid->addWidget(enable_, 0, 0, 1, 3);

  dispLabel_ = NewLabel(p, tr("CH Display"), QStringLiteral("lblChDisp"));
  auto *dispRow = new QHBoxLayout;
  const int dispWidths[2] = {ToPixels(450), ToPixels(330)};
  const int dispLengths[2] = {2, 1};
  for (int k = 0; k < 2; ++k) {
    disp_[k] = new QLineEdit(p);
    disp_[k]->setObjectName(Indexed("txtChDisp", k));
    Restrict(disp_[k], kChannelDisplayAlphabet, dispLengths[k]);
    FitChars(disp_[k], dispLengths[k], QLatin1Char('W'));
    disp_[k]->setFixedWidth(std::max(dispWidths[k], disp_[k]->minimumWidth()));
    dispRow->addWidget(disp_[k]);
  }
  SetHint(disp_[0], tr("Indispensable 2 figures."));
  SetHint(disp_[1], tr("Indispensable 1 figures."));
  dispRow->addStretch();
  grid->addWidget(dispLabel_, 1, 0);
  grid->addLayout(dispRow, 1, 1, 1, 2);

  BuildFrequencies(grid);
  BuildCascade(grid);

  nameLabel_ = NewLabel(p, tr("CH Name"), QStringLiteral("lblChName"));
  name_ = new QLineEdit(p);
  name_->setObjectName(QStringLiteral("txtChName"));
  Restrict(name_, kNameAlphabet, kNameLength);
  FitChars(name_, kNameLength, QLatin1Char('W'));
  name_->setFixedWidth(std::max(ToPixels(2400), name_->minimumWidth()));
  SetHint(name_, tr("A maximum of %1 characters").arg(kNameLength));
  SetHelpTopic(name_, kHelpChannelName);
  grid->addWidget(nameLabel_, 5, 0);
  grid->addWidget(name_, 5, 1, 1, 2);

  scramblerLabel_ = NewLabel(p, tr("Scrambler"), QStringLiteral("lblScrambler"));
  QStringList codes;
  for (int code = 0; code < kScramblerCodes; ++code)
    codes << QString::number(code);
  scrambler_ = NewList(p, QStringLiteral("cmbScrambler"), codes);
  SetHelpTopic(scrambler_, kHelpScrambler);
  grid->addWidget(scramblerLabel_, 6, 0);
  grid->addWidget(scrambler_, 6, 1);

  bandwidth_ = new QWidget(p);
  bandwidth_->setObjectName(QStringLiteral("fraBandwidth"));
  auto *bandRow = new QHBoxLayout(bandwidth_);
  bandRow->setContentsMargins(0, 0, 0, 0);
  narrow_ = new QRadioButton(tr("Narrow"), bandwidth_);
  narrow_->setObjectName(QStringLiteral("optNarrow"));
  wide_ = new QRadioButton(tr("Wide"), bandwidth_);
  wide_->setObjectName(QStringLiteral("optWide"));
  SetHint(narrow_, SelectionHint());
  SetHint(wide_, SelectionHint());
  bandRow->addWidget(narrow_);
  bandRow->addWidget(wide_);
  bandRow->addStretch();
  grid->addWidget(bandwidth_, 7, 0, 1, 3);

  tones_ = new ChannelTones(p, binder_, Rec(&ChannelRecord::Ctcss), Rec(&ChannelRecord::Dcs),
                            Rec(&ChannelRecord::Cmp), [this] { ApplyRules(); });
  grid->addWidget(tones_, 8, 0, 1, 4);
  grid->setRowStretch(9, 1);
  grid->setColumnStretch(3, 1);
}

void ChannelPanelScreen::BuildFrequencies(QGridLayout *grid) {
  QWidget *p = panel_.get();
  const auto frequency = [&](int row, const char *label, const char *name, const char *unit,
                             const char *caption, QLabel *&captionLabel, QLabel *&unitLabel) {
    captionLabel = NewLabel(p, QLatin1String(caption), QLatin1String(label));
    auto *edit = new CommitLineEdit(p);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(8);
    FitChars(edit, 8);
    edit->setFixedWidth(std::max(ToPixels(1100), edit->minimumWidth()));
    unitLabel = NewLabel(p, tr("MHz"), QLatin1String(unit));
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(unitLabel, row, 2);
    return edit;
  };
  rx_ = frequency(2, "lblRxFreq", "txtRxFreq", "lblRxUnit", "Rx Frequency", rxLabel_, rxUnit_);
  tx_ = frequency(3, "lblTxFreq", "txtTxFreq", "lblTxUnit", "Tx Frequency", txLabel_, txUnit_);
  SetHint(rx_, tr("Rx frequency"));
  SetHint(tx_, tr("Tx frequency"));
  WhenPaletteChanges(p, [this] { ShowLocked(); });
}

// A locked field has the window's disabled colour behind its text, in the
// palette of the moment.
void ChannelPanelScreen::ShowLocked() {
  QPalette locked;
  locked.setColor(QPalette::Base,
                  QApplication::palette(panel_.get()).color(QPalette::Disabled, QPalette::Window));
  for (QLineEdit *edit :
       {disp_[0], disp_[1], static_cast<QLineEdit *>(rx_), static_cast<QLineEdit *>(tx_)})
    edit->setPalette(edit->isReadOnly() ? locked : QPalette());
}

void ChannelPanelScreen::BuildCascade(QGridLayout *grid) {
  QWidget *p = panel_.get();
  // Hidden boxes leave no gap, so in expansion mode the power boxes take the
  // places of "Tx Enable" and "Duplex".
  auto *boxes = new QVBoxLayout;
  boxes->setSpacing(0);
  txEnable_ = NewBox(p, QStringLiteral("chkTxEnable"), tr("Tx Enable"), kHelpTxEnable);
  lowPower_ = NewBox(p, QStringLiteral("chkLowPower"), tr("Low Power Only"), kHelpLowPower);
  powerUp_ = NewBox(p, QStringLiteral("chkPowerUp"), tr("Power Up"), kHelpPowerUp);
  duplex_ = NewBox(p, QStringLiteral("chkDuplex"), tr("Duplex"), kHelpDuplex);
  scanMemory_ = NewBox(p, QStringLiteral("chkScanMemory"), tr("Scan Memory"), kHelpScanMemory);
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
}

void ChannelPanelScreen::Bind() {
  Binder &b = binder_;
  const auto rules = [this] { ApplyRules(); };
  // The power boxes of an expansion channel stand for its transmitting too.
  const auto transmits = [this](RadioData &d) {
    if (Expansion())
      Record(d).TxEnable = true;
  };
  b.Check(enable_, tr("CH Enable"), Rec(&ChannelRecord::Enable),
          Binder::Hooks{}.Changed([this] { EnableChanged(); }));
  b.Check(txEnable_, tr("Tx Enable"), Rec(&ChannelRecord::TxEnable),
          Binder::Hooks{}.Enabling(rules));
  b.Check(lowPower_, tr("Low Power Only"), Rec(&ChannelRecord::LowPower),
          Binder::Hooks{}.Enabling(rules).Also(transmits));
  b.Check(powerUp_, tr("Power Up"), Rec(&ChannelRecord::PowUp), Binder::Hooks{}.Also(transmits));
  b.Check(duplex_, tr("Duplex"), Rec(&ChannelRecord::Duplex),
          Binder::Hooks{}.Changed([this] { ShowPlanRx(); }));
  b.Check(scanMemory_, tr("Scan Memory"), Rec(&ChannelRecord::ScanMemory));
  b.Text(name_, tr("CH Name"), Rec(&ChannelRecord::ChTag));
  b.ListIndex(scrambler_, tr("Scrambler"), Rec(&ChannelRecord::Scramble));
  // Plan channels show their display from the label; their fields are locked.
  b.Text(disp_[0], tr("CH Display"), Rec(&ChannelRecord::CHDisplayL));
  b.Text(disp_[1], tr("CH Display"), Rec(&ChannelRecord::CHDisplayR));
  b.Committed(rx_, tr("Rx Frequency"), Rec(&ChannelRecord::Rxfreq),
              FrequencyRule(rx_, "Rx frequency"));
  b.Committed(tx_, tr("Tx Frequency"), Rec(&ChannelRecord::Txfreq),
              FrequencyRule(tx_, "Tx frequency"));
  b.Choice(narrow_, wide_, tr("Bandwidth"), Rec(&ChannelRecord::Narrow));
}

TextRule<double> ChannelPanelScreen::FrequencyRule(CommitLineEdit *edit, const char *title) {
  return {[](const double &f) { return ToQt(FormatFreq4(f)); },
          [this, edit](const QString &typed, const double &stored) -> std::optional<double> {
            // A plan channel's frequencies are the table's, not the record's.
            if (!Expansion() || edit->isReadOnly())
              return stored;
            double f = 0.0;
            if (!ParseExpansionFreq(FromQt(typed), f))
              return std::nullopt;
            return f;
          },
          title, "The frequency must be between 137 and 174 MHz on the 25 kHz raster."};
}

ChannelRecord &ChannelPanelScreen::Record(RadioData &data) {
  const ScreenRequest &r = Request();
  if (r.bank < 0 || r.bank > 3)
    return scratch_;
  ChannelBank &bank = data.GroupBank(r.bank);
  return bank.Contains(r.record) ? bank[r.record] : scratch_;
}

void ChannelPanelScreen::BeforeFill() { SetMode(); }

void ChannelPanelScreen::AfterFill() {
  const ChannelRecord &record = Record(session().data);
  if (!Expansion())
    ShowPlanFields(record);
  txEnable_->setChecked(TxEnableShown(record, Mode()));
  const bool scramble = session().model.ScrambleCapable;
  scramblerLabel_->setVisible(scramble);
  scrambler_->setVisible(scramble);
  ApplyRules();
}

void ChannelPanelScreen::SetMode() {
  const bool plan = !Expansion();
  for (QLineEdit *edit :
       {disp_[0], disp_[1], static_cast<QLineEdit *>(rx_), static_cast<QLineEdit *>(tx_)}) {
    edit->setReadOnly(plan);
  }
  ShowLocked();
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
  ShowText(disp_[0], ToQt(display.left));
  ShowText(disp_[1], ToQt(display.right));
  rx_->ShowStored(PlanRxText(record));
  tx_->ShowStored(ToQt(FormatTxFreq3(known ? table[record.Position].TxFreq : 0.0, record.RxOnly)));
}

void ChannelPanelScreen::ApplyRules() {
  const ChannelEnables e = ChannelPanelEnables(Record(session().data), Mode());
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
}

void ChannelPanelScreen::EnableChanged() {
  Fill(Request());
  enable_->setFocus(Qt::OtherFocusReason);
}

void ChannelPanelScreen::ShowPlanRx() {
  if (!Expansion())
    rx_->ShowStored(PlanRxText(Record(session().data)));
}

bool ChannelPanelScreen::CommitEdit() {
  if (!PanelScreen::CommitEdit())
    return false;
  if (enable_->isChecked() && !rx_->isReadOnly() &&
      (rx_->text().contains(QLatin1String("---")) || disp_[0]->text().size() < 2)) {
    session().host.Message(Icon::Exclamation, session().state.TitleText,
                           "Data Error!!\r\nPlease input correct data.", Buttons::Ok);
    return false;
  }
  return true;
}

} // namespace kv508::ui
