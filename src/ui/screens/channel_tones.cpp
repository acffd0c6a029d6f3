#include "ui/screens/channel_tones.h"

#include "model/tables.h"
#include "ui/screens/widget_props.h"
#include "ui/screens/widgets.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace kv508::ui {

const QString ChannelTones::kNotKeptHint =
    QStringLiteral("Tones and Comp are neither programmed into the radio nor saved in a "
                   "settings file.");

namespace {

QStringList Items(void (*build)(std::vector<std::string> &)) {
  std::vector<std::string> list;
  build(list);
  QStringList items;
  for (const std::string &s : list)
    items << ToQt(s);
  return items;
}

// A fixed width spares measuring every item when the panel first shows.
QComboBox *ToneList(QWidget *parent, const QString &name, const QStringList &items) {
  QComboBox *box = NewList(parent, name, items);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(7);
  box->setMaxVisibleItems(12);
  return box;
}

template <class T> Access<T> Element(Access<std::array<T, 2>> tones, int k) {
  return [tones, k](RadioData &d) -> T & { return tones(d)[static_cast<std::size_t>(k)]; };
}

} // namespace

ChannelTones::ChannelTones(QWidget *parent, Binder &binder, Access<Tones> ctcss, Access<Tones> dcs,
                           Access<bool> comp, std::function<void()> rules)
    : QWidget(parent) {
  setObjectName(QStringLiteral("fraTones"));
  auto *grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  labels_ = {NewLabel(this, tr("CTCSS"), QStringLiteral("lblCtcss")),
             NewLabel(this, tr("DCS"), QStringLiteral("lblDcs")),
             NewLabel(this, tr("RX Tone"), QStringLiteral("lblRxTone")),
             NewLabel(this, tr("TX Tone"), QStringLiteral("lblTxTone"))};
  grid->addWidget(labels_[0], 0, 1);
  grid->addWidget(labels_[1], 0, 2);
  grid->addWidget(labels_[2], 1, 0);
  grid->addWidget(labels_[3], 2, 0);

  // The lists never change, so they are filled once.
  const QStringList ctcssItems = Items(BuildCtcssList);
  const QStringList dcsItems = Items(BuildDcsList);
  const QString directions[2] = {tr("RX Tone"), tr("TX Tone")};
  for (int k = 0; k < 2; ++k) {
    ctcss_[k] = ToneList(this, Indexed("cmbCtcss", k), ctcssItems);
    dcs_[k] = ToneList(this, Indexed("cmbDcs", k), dcsItems);
    grid->addWidget(ctcss_[k], k + 1, 1);
    grid->addWidget(dcs_[k], k + 1, 2);
    const Access<std::int16_t> ctcssOf = Element(ctcss, k);
    const Access<std::int16_t> dcsOf = Element(dcs, k);
    // Choosing a tone of one kind sets the other kind of the same direction to
    // "Off"; the lists then show the record again.
    const auto showAgain = [&binder] { binder.Fill(); };
    binder.ListIndex(
        ctcss_[k], directions[k] + tr(" CTCSS"), ctcssOf,
        Binder::Hooks{}.Enabling(rules).Changed(showAgain).Also([ctcssOf, dcsOf](RadioData &d) {
          if (ctcssOf(d) != 0)
            dcsOf(d) = 0;
        }));
    binder.ListIndex(
        dcs_[k], directions[k] + tr(" DCS"), dcsOf,
        Binder::Hooks{}.Enabling(rules).Changed(showAgain).Also([ctcssOf, dcsOf](RadioData &d) {
          if (dcsOf(d) != 0)
            ctcssOf(d) = 0;
        }));
  }
  comp_ = new QCheckBox(tr("Comp"), this);
  comp_->setObjectName(QStringLiteral("chkComp"));
  grid->addWidget(comp_, 2, 3);
  binder.Check(comp_, tr("Comp"), std::move(comp));
  grid->setColumnStretch(4, 1);
  for (QWidget *w : findChildren<QWidget *>()) {
    w->setEnabled(false);
    SetHint(w, kNotKeptHint);
    w->setToolTip(kNotKeptHint);
  }
}

} // namespace kv508::ui
