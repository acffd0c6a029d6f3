#include "ui/screens/dsc_advanced_pages.h"

#include "app/transfer_mode.h"
#include "model/dsc_calls.h"
#include "ui/core_texts.h"
#include "ui/screens/binder.h"
#include "ui/screens/widget_props.h"
#include "ui/screens/widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace kv508::ui {

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("DscAdvancedPages", text); }

struct ClearRow {
  const char *label;
  int button; // fixes the object name
  int mode;
  const char *name;
};
// Top to bottom as the page shows them.
constexpr ClearRow kClearRows[] = {
    {QT_TRANSLATE_NOOP("DscAdvancedPages", "ALL Clear"), 6, kClearAll,
     QT_TRANSLATE_NOOP("DscAdvancedPages", "Clear All")},
    {QT_TRANSLATE_NOOP("DscAdvancedPages", "DSC Log"), 5, kClearDscLog,
     QT_TRANSLATE_NOOP("DscAdvancedPages", "Clear DSC Log")},
    {QT_TRANSLATE_NOOP("DscAdvancedPages", "Distress Log"), 3, kClearDistressLog,
     QT_TRANSLATE_NOOP("DscAdvancedPages", "Clear Distress Log")},
    {QT_TRANSLATE_NOOP("DscAdvancedPages", "Individual Directory"), 0, kClearIndividual,
     QT_TRANSLATE_NOOP("DscAdvancedPages", "Clear Individual Directory")},
    {QT_TRANSLATE_NOOP("DscAdvancedPages", "Group Directory"), 1, kClearGroup,
     QT_TRANSLATE_NOOP("DscAdvancedPages", "Clear Group Directory")},
    {QT_TRANSLATE_NOOP("DscAdvancedPages", "Waypoint Directory"), 2, kClearWaypoint,
     QT_TRANSLATE_NOOP("DscAdvancedPages", "Clear Waypoint Directory")},
    {QT_TRANSLATE_NOOP("DscAdvancedPages", "DSC TX Log"), 4, kClearDscTxLog,
     QT_TRANSLATE_NOOP("DscAdvancedPages", "Clear DSC TX Log")},
};

QGroupBox *NewCallBlock(QWidget *page, Binder &binder, const DscCallKind &kind) {
  auto *group = new QGroupBox(CoreText(kind.title), page);
  auto *grid = new QGridLayout(group);
  for (int k = 0; k < 4; ++k) {
    auto *onOff = NewList(group, Indexed(kind.controlName, k), OffOnChoices());
    auto *lowHi =
        NewList(group, Indexed((std::string(kind.controlName) + "TX").c_str(), k), LowHiChoices());
    const QString row = CoreText(kind.title) + QLatin1Char(' ') +
                        CoreText(kDscCallCategories[static_cast<std::size_t>(k)]);
    binder.OnOff(onOff, row, Field(&RadioSettings::DscAdvanced, kind.on, k),
                 Binder::Hooks{}.Enabling(
                     [onOff, lowHi] { lowHi->setEnabled(onOff->currentIndex() != 0); }));
    binder.OnOff(lowHi, row + QCoreApplication::translate("DscAdvancedPages", " TX"),
                 Field(&RadioSettings::DscAdvanced, kind.tx, k));
    grid->addWidget(NewLabel(group, CoreText(kDscCallCategories[static_cast<std::size_t>(k)])), k,
                    0);
    grid->addWidget(onOff, k, 1);
    grid->addWidget(lowHi, k, 2);
  }
  return group;
}

QGroupBox *NewClearBox(QWidget *page, DscAdvancedPages &pages) {
  auto *clear = new QGroupBox(QCoreApplication::translate("DscAdvancedPages", "Clear"), page);
  auto *grid = new QGridLayout(clear);
  // Two columns of buttons under the call blocks, so that every label shows in full.
  int item = 0;
  for (const ClearRow &r : kClearRows) {
    auto *button = new QPushButton(QCoreApplication::translate("DscAdvancedPages", "Clear"), clear);
    button->setObjectName(Indexed("cmdFclearLog", r.button));
    SetHint(button, QCoreApplication::translate("DscAdvancedPages", "A Click Inicializes the log"));
    pages.clearButtons[static_cast<std::size_t>(r.button)] = {button, r.mode, Tr(r.name)};
    const int row = item % 4;
    const int pair = item / 4 * 2;
    grid->addWidget(NewLabel(clear, Tr(r.label)), row, pair);
    grid->addWidget(button, row, pair + 1);
    ++item;
  }
  return clear;
}

} // namespace

DscAdvancedPages BuildDscAdvancedPages(Binder &binder) {
  DscAdvancedPages pages{new QWidget, new QWidget, {}};
  pages.first->setObjectName(QStringLiteral("fraDscAdvanced1"));
  pages.second->setObjectName(QStringLiteral("fraDscAdvanced2"));

  // Three call blocks on the first page, two blocks a row: three side by side
  // do not fit the screen area.
  auto *firstLayout = new QGridLayout(pages.first);
  for (int item = 0; item < 3; ++item)
    firstLayout->addWidget(NewCallBlock(pages.first, binder, kDscCallKinds[item]), item / 2,
                           item % 2);
  firstLayout->setRowStretch(2, 1);
  firstLayout->setColumnStretch(2, 1);

  auto *secondLayout = new QGridLayout(pages.second);
  for (int column = 0; column < 2; ++column)
    secondLayout->addWidget(NewCallBlock(pages.second, binder, kDscCallKinds[3 + column]), 0,
                            column);
  secondLayout->addWidget(NewClearBox(pages.second, pages), 1, 0, 1, 2);
  secondLayout->setRowStretch(2, 1);
  secondLayout->setColumnStretch(2, 1);
  return pages;
}

} // namespace kv508::ui
