#include "ui/screens/dsc_advanced_pages.h"

#include "link/transfer.h"
#include "model/radio_data.h"
#include "ui/screens/binder.h"
#include "ui/screens/setup_widgets.h"
#include "ui/screens/widget_props.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

using CallArray = std::array<bool, 4> DscAdvancedSetup::*;

struct CallBlock {
  const char *title;
  const char *name;
  CallArray on;
  CallArray tx;
};

constexpr CallBlock kFirstPage[] = {
    {"ALL Ships Call", "cmbUsableDscAllShipsCall", &DscAdvancedSetup::AllShipsCall,
     &DscAdvancedSetup::AllShipsCallTx},
    {"Group Call", "cmbUsableDscGroupCall", &DscAdvancedSetup::GroupCall,
     &DscAdvancedSetup::GroupCallTx},
    {"Individual Call", "cmbUsableDscIndividualCall", &DscAdvancedSetup::IndividualCall,
     &DscAdvancedSetup::IndividualCallTx}};
constexpr CallBlock kSecondPage[] = {
    {"Position Request Call", "cmbUsablePosReqCall", &DscAdvancedSetup::PositionRequestCall,
     &DscAdvancedSetup::PositionRequestCallTx},
    {"Position Report Call", "cmbUsablePosRepCall", &DscAdvancedSetup::PositionReportCall,
     &DscAdvancedSetup::PositionReportCallTx}};

const char *const kCategories[] = {"Distress", "Urgency", "Safety", "Routine"};

struct ClearRow {
  const char *label;
  int button;
};
// Top to bottom as the page shows them; the button number fixes the mode.
constexpr ClearRow kClearRows[] = {{"ALL Clear", 6},       {"DSC Log", 5},
                                   {"Distress Log", 3},    {"Individual Directory", 0},
                                   {"Group Directory", 1}, {"Waypoint Directory", 2},
                                   {"DSC TX Log", 4}};
constexpr int kClearModes[] = {kClearIndividual, kClearGroup,  kClearWaypoint, kClearDistressLog,
                               kClearDscTxLog,   kClearDscLog, kClearAll};

QGroupBox *NewCallBlock(QWidget *page, Binder &binder, const CallBlock &block) {
  auto *group = new QGroupBox(QLatin1String(block.title), page);
  auto *grid = new QGridLayout(group);
  for (int k = 0; k < 4; ++k) {
    const QString on = QLatin1String(block.name);
    auto *onOff = NewList(group, Indexed(block.name, k), kOffOnChoices);
    auto *lowHi = NewList(group, on + QStringLiteral("TX_") + QString::number(k), kLowHiChoices);
    const auto index = static_cast<std::size_t>(k);
    const CallArray onField = block.on;
    const CallArray txField = block.tx;
    binder.OnOff(
        onOff, [onField, index](RadioData &d) -> bool & { return (d.DscAdvanced.*onField)[index]; },
        [onOff, lowHi] { lowHi->setEnabled(onOff->currentIndex() != 0); });
    binder.OnOff(lowHi, [txField, index](RadioData &d) -> bool & {
      return (d.DscAdvanced.*txField)[index];
    });
    grid->addWidget(NewLabel(group, QLatin1String(kCategories[k])), k, 0);
    grid->addWidget(onOff, k, 1);
    grid->addWidget(lowHi, k, 2);
  }
  return group;
}

} // namespace

int ClearLogMode(int button) {
  return button >= 0 && button < static_cast<int>(std::size(kClearModes)) ? kClearModes[button]
                                                                          : -1;
}

DscAdvancedPages BuildDscAdvancedPages(Binder &binder) {
  DscAdvancedPages pages{new QWidget, new QWidget, {}};
  pages.first->setObjectName(QStringLiteral("fraDscAdvanced1"));
  pages.second->setObjectName(QStringLiteral("fraDscAdvanced2"));

  // Two call blocks a row: three side by side do not fit the screen area.
  auto *firstLayout = new QGridLayout(pages.first);
  int item = 0;
  for (const CallBlock &block : kFirstPage) {
    firstLayout->addWidget(NewCallBlock(pages.first, binder, block), item / 2, item % 2);
    ++item;
  }
  firstLayout->setRowStretch((item + 1) / 2, 1);
  firstLayout->setColumnStretch(2, 1);

  auto *secondLayout = new QGridLayout(pages.second);
  int column = 0;
  for (const CallBlock &block : kSecondPage)
    secondLayout->addWidget(NewCallBlock(pages.second, binder, block), 0, column++);

  auto *clear = new QGroupBox(QStringLiteral("Clear"), pages.second);
  auto *clearGrid = new QGridLayout(clear);
  // Two columns of buttons under the call blocks, so that every label shows in full.
  item = 0;
  for (const ClearRow &r : kClearRows) {
    auto *button = new QPushButton(QStringLiteral("Clear"), clear);
    button->setObjectName(Indexed("cmdFclearLog", r.button));
    SetHint(button, QStringLiteral("A Click Inicializes the log"));
    pages.clearButtons[static_cast<std::size_t>(r.button)] = button;
    const int row = item % 4;
    const int pair = item / 4 * 2;
    clearGrid->addWidget(NewLabel(clear, QLatin1String(r.label)), row, pair);
    clearGrid->addWidget(button, row, pair + 1);
    ++item;
  }
  secondLayout->addWidget(clear, 1, 0, 1, column);
  secondLayout->setRowStretch(2, 1);
  secondLayout->setColumnStretch(column, 1);
  return pages;
}

} // namespace kv508::ui
