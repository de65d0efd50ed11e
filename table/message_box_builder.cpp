#include "table/message_box_builder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <algorithm>

namespace blefino {

int title_bar_width(const QString& title) {
  // The window manager draws the title in a font of its own, often larger
  // than the game's 8-point text: measure with at least 10 points.
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setPointSizeF(std::max(font.pointSizeF(), 10.0));
  font.setBold(true);
  const QFontMetrics metrics(font);
  // Room for the window icon and up to three frame buttons on each side of a centred title.
  return metrics.horizontalAdvance(title) + 10 * metrics.height();
}

std::unique_ptr<QMessageBox> make_message_box(const std::string& text, const std::string& title,
                                              Icon icon, Buttons buttons, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(QString::fromStdString(title));
  box->setText(QString::fromStdString(text));
  box->setTextFormat(Qt::PlainText);  // a player's name is shown as typed
  switch (icon) {
    case Icon::None:
      box->setIcon(QMessageBox::NoIcon);
      break;
    case Icon::Information:
      box->setIcon(QMessageBox::Information);
      break;
    case Icon::Question:
      box->setIcon(QMessageBox::Question);
      break;
  }
  if (asks_yes_no(buttons)) {
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box->button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box->setDefaultButton(buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::No);
  } else {
    box->setStandardButtons(QMessageBox::Ok);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box->setDefaultButton(QMessageBox::Ok);
  }
  box->setWindowModality(Qt::ApplicationModal);
  box->setWindowFlags(kFixedWindowFlags);  // after the modality, which drops CustomizeWindowHint

  // QMessageBox sizes itself to its text when shown and allows a title only
  // a little room, so the window manager cuts a long name to "DU…SKY". An
  // empty row as wide as the title keeps the box wide enough. It goes in
  // last: setting the icon rebuilds the layout.
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
    const QMargins margins = grid->contentsMargins();
    const int width = title_bar_width(box->windowTitle()) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return box;
}

Answer answer_of(QMessageBox::StandardButton pressed, Buttons buttons) {
  switch (pressed) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Ok:
      return Answer::Ok;
    default:
      return asks_yes_no(buttons) ? Answer::No : Answer::Ok;
  }
}

Answer show_message_box(const std::string& text, const std::string& title, Icon icon,
                        Buttons buttons, QWidget* parent) {
  auto box = make_message_box(text, title, icon, buttons, parent);
  box->exec();
  return answer_of(box->standardButton(box->clickedButton()), buttons);
}

}  // namespace blefino
