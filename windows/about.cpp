#include "windows/about.h"

#include <QLabel>
#include <QPushButton>

#include "table/message_box_builder.h"
#include "table/placement.h"
#include "table/text_fit.h"
#include "table/ui_font.h"
#include "windows/app_icon.h"

#ifndef BLEFINO_VERSION_MAJOR
#error "the build passes the program's version (BLEFINO_VERSION_MAJOR/MINOR/PATCH)"
#endif

namespace blefino::windows {

QString version_line() {
  return QStringLiteral("Версия %1.%2.%3")
      .arg(BLEFINO_VERSION_MAJOR)
      .arg(BLEFINO_VERSION_MINOR)
      .arg(BLEFINO_VERSION_PATCH);
}

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect where, bool bold) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(where);
  if (bold) l->setFont(fonts::ui_font_pt(8.25, true));
  return l;
}

}  // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowFlags(kFixedWindowFlags);
  setWindowTitle(QStringLiteral("О программе"));
  setModal(true);
  setFixedSize(px(4110), px(1740));
  setFont(fonts::ui_font_pt(8));

  title_ = label(this, "lblTitle", QStringLiteral("Карточная игра -  \"Блефино\""),
                 twips(105, 120, 3915, 225), true);
  version_ = label(this, "lblVersion", QStringLiteral("Версия"), twips(105, 360, 3915, 225), false);
  version_->setText(version_line());

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setGeometry(twips(105, 600, 480, 480));
  icon->setPixmap(app_icon_pixmap(32, devicePixelRatioF()));

  label(this, "lblDescription", QStringLiteral("Talvik"), twips(600, 600, 3420, 240), false);
  label(this, "Label1", QStringLiteral("Один игрок против двух"), twips(600, 855, 3420, 232), true);
  label(this, "Label2", QStringLiteral("компьютерных соперников"), twips(120, 1101, 3900, 225),
        true);
  label(this, "lblDisclaimer", QStringLiteral("Talvik, 2025"), twips(120, 1333, 3900, 315), false);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setGeometry(twips(3360, 1320, 660, 345));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  // Esc presses OK too: QDialog closes on Esc, which is all OK does here.
  ok_->setFocus();
}

void FrmAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fonts::fit_texts(*this);
  centre_on_screen(*this);
}

}  // namespace blefino::windows
