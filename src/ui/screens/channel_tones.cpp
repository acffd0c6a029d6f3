#include "ui/screens/channel_tones.h"

#include "app/session.h"
#include "model/tables.h"
#include "ui/screens/binder.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace kv508::ui {

namespace {

QStringList Items(void (*build)(std::vector<std::string> &)) {
  std::vector<std::string> list;
  build(list);
  QStringList items;
  for (const std::string &s : list)
    items << ToQt(s);
  return items;
}

} // namespace

ChannelTones::ChannelTones(QWidget *parent, Binder &binder, RecordOf record,
                           std::function<void()> rules)
    : QWidget(parent), binder_(binder), record_(std::move(record)), rules_(std::move(rules)) {
  setObjectName(QStringLiteral("fraTones"));
  auto *grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto label = [this](const char *name, const char *text) {
    auto *l = new QLabel(QLatin1String(text), this);
    l->setObjectName(QLatin1String(name));
    return l;
  };
  labels_ = {label("lblCtcss", "CTCSS"), label("lblDcs", "DCS"), label("lblRxTone", "RX Tone"),
             label("lblTxTone", "TX Tone")};
  grid->addWidget(labels_[0], 0, 1);
  grid->addWidget(labels_[1], 0, 2);
  grid->addWidget(labels_[2], 1, 0);
  grid->addWidget(labels_[3], 2, 0);

  // The lists never change, so they are filled once.
  const QStringList ctcssItems = Items(BuildCtcssList);
  const QStringList dcsItems = Items(BuildDcsList);
  // A fixed width spares measuring every item when the panel first shows.
  const auto sized = [](QComboBox *box) {
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(7);
    box->setMaxVisibleItems(12);
  };
  for (int k = 0; k < 2; ++k) {
    ctcss_[k] = new QComboBox(this);
    ctcss_[k]->setObjectName(QStringLiteral("cmbCtcss_%1").arg(k));
    ctcss_[k]->addItems(ctcssItems);
    sized(ctcss_[k]);
    dcs_[k] = new QComboBox(this);
    dcs_[k]->setObjectName(QStringLiteral("cmbDcs_%1").arg(k));
    dcs_[k]->addItems(dcsItems);
    sized(dcs_[k]);
    grid->addWidget(ctcss_[k], k + 1, 1);
    grid->addWidget(dcs_[k], k + 1, 2);
    binder.ListIndex(
        ctcss_[k], [this, k](RadioData &d) -> std::int16_t & { return record_(d).Ctcss[k]; }, {},
        [this, k] { ChooseCtcss(k); });
    binder.ListIndex(
        dcs_[k], [this, k](RadioData &d) -> std::int16_t & { return record_(d).Dcs[k]; }, {},
        [this, k] { ChooseDcs(k); });
  }
  comp_ = new QCheckBox(QStringLiteral("Comp"), this);
  comp_->setObjectName(QStringLiteral("chkComp"));
  grid->addWidget(comp_, 2, 3);
  binder.Check(comp_, [this](RadioData &d) -> bool & { return record_(d).Cmp; });
  grid->setColumnStretch(4, 1);
}

void ChannelTones::ChooseCtcss(int element) {
  ChannelRecord &r = record_(binder_.session().data);
  if (r.Ctcss[element] != 0) {
    r.Dcs[element] = 0;
    dcs_[element]->setCurrentIndex(0);
  }
  rules_();
}

void ChannelTones::ChooseDcs(int element) {
  ChannelRecord &r = record_(binder_.session().data);
  if (r.Dcs[element] != 0) {
    r.Ctcss[element] = 0;
    ctcss_[element]->setCurrentIndex(0);
  }
  rules_();
}

void ChannelTones::SetEnables(bool fields, bool comp) {
  for (QLabel *l : labels_)
    l->setEnabled(fields);
  for (int k = 0; k < 2; ++k) {
    ctcss_[k]->setEnabled(fields);
    dcs_[k]->setEnabled(fields);
  }
  comp_->setEnabled(comp);
}

} // namespace kv508::ui
