#include "windows/help.h"

#include <QPushButton>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "table/message_box_builder.h"
#include "table/placement.h"
#include "table/text_fit.h"
#include "table/ui_font.h"

namespace blefino::windows {

const QString& help_text() {
  // Trailing blanks are part of the text.
  static const QString text =
      QStringList{
          QStringLiteral("Карточная игра \"Блефино\""),
          QString(),
          QStringLiteral("Основная цели игры избавиться от своих карт "),
          QStringLiteral(
              "Игрок, делающий начальный ход , объявляет какие карты на кону, причем может "),
          QStringLiteral("и обмануть "),
          QStringLiteral("Другой игрок может угадать дейсвительно ли на кону карты, которые были "),
          QStringLiteral("объявлены "),
          QStringLiteral("или добавить \"таких же\" карт "),
          QStringLiteral("Если все-таки игрок решает угадать карты , то должен сказать \"верю\" "
                         "или \"не верю\" "),
          QStringLiteral("соответственно. "),
          QStringLiteral("Если не угадывает, то он забирает все карты."),
          QStringLiteral(
              "Если угадывает, что его обманывают, то карты забирает игрок, ходящий на него "),
          QStringLiteral(
              "Если угадывает, что там объявленные карты, то они уходят в отбой безвозвратно "),
          QStringLiteral("В отгадывание участвуют только карты, которые на кону, но при этом "
                         "решается судьба карт, находящихся в куче "),
          QString(),
          QStringLiteral("Требования"),
          QStringLiteral(" "),
          QStringLiteral("Разрешение монитора 800X600 "),
          QStringLiteral("Манипулятор типа \"Мышь\" "),
          QStringLiteral("Цветовая палитра True color (32 бита) "),
          QString(),
      }
          .join(QStringLiteral("\r\n"));
  return text;
}

Help::Help(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Help"));
  setWindowFlags(kFixedWindowFlags);
  setWindowTitle(QStringLiteral("Справка "));
  setModal(true);
  setFixedSize(px(6810), px(4305));
  setFont(fonts::ui_font_pt(8));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(128, 128, 255));
  setPalette(pal);

  text_ = new QTextEdit(this);
  text_->setAccessibleName(QStringLiteral("Правила игры"));
  text_->setObjectName(QStringLiteral("txtHelp"));
  text_->setGeometry(twips(120, 120, 6615, 4095));
  text_->setFont(fonts::ui_font_pt(8));
  text_->setAcceptRichText(false);
  // The box shows lines, not CR LF pairs; each line is a block of its own.
  QString shown = help_text();
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text_->setPlainText(shown);
  // The rules were written for the 8-point lines of a narrow face, 12 pixels
  // apart, in a box with a thin margin: so all 21 lines, the longest wrapped
  // once, stand in it with no scroll bar.
  text_->document()->setDocumentMargin(2);
  QTextCursor all(text_->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat rows;
  rows.setLineHeight(12, QTextBlockFormat::FixedHeight);
  all.mergeBlockFormat(rows);
  // Whatever is typed would be lost with the window; reading and copying is enough.
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setStyleSheet(
      QStringLiteral("QTextEdit { color: rgb(0, 0, 128); background: rgb(192, 192, 255); }"));

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setGeometry(twips(5760, 3720, 855, 375));
  ok_->setDefault(true);
  ok_->raise();
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
}

void Help::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fonts::fit_texts(*this);
  centre_on_screen(*this);
}

}  // namespace blefino::windows
