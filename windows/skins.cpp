#include "windows/skins.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "core/game.h"
#include "core/table_model.h"
#include "pictures/form1.h"
#include "table/message_box_builder.h"
#include "table/placement.h"
#include "table/text_fit.h"
#include "table/ui_font.h"

namespace blefino::windows {

namespace {
constexpr QSize kTileSize(50, 67);     // 750 x 1005 twips
constexpr QSize kPreviewSize(71, 96);  // a card at full size
}  // namespace

Skins::Skins(Game& g, QWidget* parent) : QDialog(parent), g_(g) {
  setObjectName(QStringLiteral("skins"));
  setWindowFlags(kFixedWindowFlags);
  setWindowTitle(QStringLiteral("Рубашки"));
  setModal(true);
  setFixedSize(px(6615), px(3420));
  setFont(fonts::ui_font_pt(8));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);

  const qreal dpr = devicePixelRatioF();
  for (int k = 0; k < kBacks; ++k) {
    auto* tile = new QLabel(this);
    tile->setObjectName(QStringLiteral("skin%1").arg(k));
    tile->setGeometry(twips(120 + 840 * (k % 6), 120 + 1080 * (k / 6), 750, 1005));
    tile->setFrameShape(QFrame::Box);
    tile->setLineWidth(1);
    // The tile under the keyboard wears a thick yellow frame: plain to see on the black.
    tile->setStyleSheet(
        QStringLiteral("QLabel { border: 1px solid rgb(128, 128, 128); }"
                       "QLabel:focus { border: 3px solid rgb(255, 255, 0); }"));
    tile->setScaledContents(true);
    tile->setPixmap(form1::card(back_picture(k), kTileSize, dpr));
    tile->setCursor(Qt::PointingHandCursor);
    tile->setFocusPolicy(Qt::StrongFocus);
    tile->setAccessibleName(QStringLiteral("Рубашка %1").arg(k + 1));
    tile->installEventFilter(this);
    tiles_[static_cast<std::size_t>(k)] = tile;
  }

  auto* caption = new QLabel(QStringLiteral("Выбранная"), this);
  caption->setObjectName(QStringLiteral("Label1"));
  caption->setGeometry(twips(5160, 120, 1335, 375));
  caption->setFont(fonts::ui_font_pt(9.75, true));
  caption->setAlignment(Qt::AlignCenter);
  caption->setStyleSheet(QStringLiteral("QLabel { color: white; background: rgb(192, 64, 0); }"));

  choice_ = new QLabel(this);
  choice_->setObjectName(QStringLiteral("Choice"));
  choice_->setGeometry(twips(5280, 480, 1125, 1500));
  choice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The chooser opens on the back the table shows, so OK alone changes nothing.
  showPreview(g_.back >= 0 && g_.back < kBacks ? g_.back : 1);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setGeometry(twips(5160, 2160, 1335, 1095));
  ok_->setFont(fonts::ui_font_pt(18, true));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &Skins::applyChoice);
  tile(previewed_)->setFocus();
}

void Skins::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fonts::fit_texts(*this);
  centre_on_screen(*this);
}

bool Skins::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type == QEvent::KeyPress) {
    const int k =
        static_cast<int>(std::find(tiles_.begin(), tiles_.end(), watched) - tiles_.begin());
    if (k < kBacks && keyOnTile(k, static_cast<QKeyEvent*>(event)->key())) return true;
  }
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
    for (int k = 0; k < kBacks; ++k) {
      if (watched != tiles_[static_cast<std::size_t>(k)]) continue;
      if (type == QEvent::MouseButtonPress)
        pressTile(k);
      else
        doubleClickTile(k);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool Skins::keyOnTile(int k, int key) {
  constexpr int kColumns = 6;
  int to = k;
  switch (key) {
    case Qt::Key_Left:
      to = k % kColumns > 0 ? k - 1 : k;
      break;
    case Qt::Key_Right:
      to = k % kColumns < kColumns - 1 ? k + 1 : k;
      break;
    case Qt::Key_Up:
      to = k >= kColumns ? k - kColumns : k;
      break;
    case Qt::Key_Down:
      to = k + kColumns < kBacks ? k + kColumns : k;
      break;
    case Qt::Key_Home:
      to = 0;
      break;
    case Qt::Key_End:
      to = kBacks - 1;
      break;
    case Qt::Key_Space:
      break;  // a press on the tile under the frame
    default:
      return false;  // Enter reaches OK, Esc closes, Tab moves on
  }
  tile(to)->setFocus(Qt::OtherFocusReason);
  pressTile(to);  // the arrows choose as a press does: what OK applies is what is framed
  return true;
}

void Skins::showPreview(int back) {
  previewed_ = back;
  choice_->setPixmap(form1::card(back_picture(back), kPreviewSize, devicePixelRatioF()));
}

void Skins::pressTile(int k) {
  if (k < 0 || k >= kBacks) return;
  showPreview(k);
  g_.settings.skin = std::to_string(k);
}

void Skins::applyChoice() { apply(-1); }

void Skins::doubleClickTile(int k) {
  if (k < 0 || k >= kBacks) return;
  // The first click of a double-click has already pressed the tile; a
  // double-click delivered on its own previews it here all the same.
  showPreview(k);
  apply(k);
}

void Skins::apply(int double_clicked) {
  choose_back(g_, previewed_);
  // The back on the table is the one stored: a stored number that had no
  // picture, or one pressed and then left, cannot linger behind it.
  g_.settings.skin = std::to_string(double_clicked >= 0 ? double_clicked : previewed_);
  g_.host.save_all(g_.settings);
  g_.host.show_model();
  accept();
}

}  // namespace blefino::windows
