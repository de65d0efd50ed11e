#include "windows/title.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "core/game.h"
#include "store/store.h"
#include "table/message_box_builder.h"
#include "table/placement.h"
#include "table/text_fit.h"
#include "table/ui_font.h"
#include "windows/app_icon.h"

namespace blefino::windows {

Title::Title(Settings& settings, bool& open_cards_allowed, SaveFn save_all, AskFn ask,
             QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      open_cards_allowed_(open_cards_allowed),
      save_all_(std::move(save_all)),
      ask_(asker(std::move(ask), this)) {
  setObjectName(QStringLiteral("Title"));
  setWindowFlags(kFixedWindowFlags);
  setWindowTitle(QStringLiteral("Карточная игра"));
  setFixedSize(px(5745), px(1005));
  setFont(fonts::ui_font_pt(8));

  auto* title = new QLabel(QStringLiteral("Блефино"), this);
  title->setObjectName(QStringLiteral("Label2"));
  title->setFont(fonts::ui_font_pt(18, false));
  title->setGeometry(twips(120, 0, 4575, 495));

  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  const QRect image_rect = twips(4800, 120, 855, 735);
  image->setGeometry(image_rect);
  image->setScaledContents(true);
  image->setPixmap(app_icon_pixmap(32, devicePixelRatioF()));

  auto* prompt = new QLabel(QStringLiteral("Ваше имя:"), this);
  prompt->setObjectName(QStringLiteral("Label1"));
  prompt->setFont(fonts::ui_font_pt(12, true));
  prompt->setGeometry(twips(0, 480, 1935, 495));
  prompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  // The font before the text: the other way round the name is laid out
  // twice, which costs this window a few per cent of its start-up.
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("Text1"));
  name_->setAccessibleName(QStringLiteral("Ваше имя"));  // what a screen reader says of the box
  name_->setFont(fonts::ui_font_pt(12, true));
  name_->setText(QString::fromStdString(settings_.player_name));
  name_->setGeometry(twips(1560, 480, 2415, 420));
  QPalette lavender = name_->palette();
  lavender.setColor(QPalette::Base, QColor(192, 192, 255));
  lavender.setColor(QPalette::Text, Qt::black);
  name_->setPalette(lavender);
  // A name stored at 255 characters or more would read back as missing.
  name_->setMaxLength(kMaxNameLength);
  name_->selectAll();  // typing replaces the offered name

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setFont(fonts::ui_font_pt(12, true));
  ok_->setGeometry(twips(4080, 480, 615, 375));
  ok_->setDefault(true);
  ok_->setAutoDefault(true);
  connect(ok_, &QPushButton::clicked, this, &Title::confirm);

  name_->setFocus();
}

void Title::keyPressEvent(QKeyEvent* event) {
  // Esc is not a way out here: only the close box ends the program.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void Title::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fonts::fit_texts(*this);
  centre_on_screen(*this);
}

void Title::confirm() {
  const std::string name = name_->text().toStdString();  // as typed, no trimming
  if (store::is_reserved_name(name)) {
    ask_("Выберите, пожалуйста, другое имя", store::kTitle, Icon::Information, Buttons::Ok);
    name_->setFocus();
    return;
  }
  settings_.player_name = name;
  // The secret name; once on, it stays on for the whole run.
  if (is_secret_name(name)) open_cards_allowed_ = true;
  if (save_all_) save_all_(settings_);
  accept();
}

}  // namespace blefino::windows
