#include "ui/about_dialog.h"

#include "app/app_state.h"
#include "ui/svg_picture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

QString VersionText() { return AboutDialog::tr("Version %1").arg(QLatin1String(KV508_VERSION)); }

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(tr("About %1").arg(QLatin1String(kApplicationTitle)));

  QLabel *icon = SvgPicture(this, "picIcon", QStringLiteral(":/icons/kv508.svg"), QSize(64, 64));

  auto *title = new QLabel(QLatin1String(kApplicationTitle), this);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  big.setBold(true);
  title->setFont(big);
  auto *version = new QLabel(VersionText(), this);
  version->setObjectName(QStringLiteral("lblVersion"));
  auto *description = new QLabel(tr("Programming software for marine VHF/DSC radios."), this);
  description->setObjectName(QStringLiteral("lblDescription"));

  auto *text = new QVBoxLayout;
  text->addWidget(title);
  text->addWidget(version);
  text->addWidget(description);
  auto *top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(text);

  auto *ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ok, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kv508::ui
