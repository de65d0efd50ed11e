#include "table/round_history.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "table/message_box_builder.h"
#include "table/ui_font.h"

namespace blefino {

void show_round_history(QWidget* parent, const std::deque<std::string>& sentences) {
  QDialog box(parent);
  box.setWindowTitle(QStringLiteral("Ходы этого кона"));
  box.setFont(fonts::ui_font_pt(10));
  auto* list = new QListWidget(&box);
  list->setAccessibleName(QStringLiteral("Ходы противников в этом коне"));
  list->setWordWrap(true);
  list->setMinimumSize(520, 220);
  for (const std::string& s : sentences) list->addItem(QString::fromStdString(s));
  if (sentences.empty()) list->addItem(QStringLiteral("В этом коне противники ещё не ходили."));
  list->setCurrentRow(list->count() - 1);  // the newest move first under the keyboard

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &box);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
  QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  auto* layout = new QVBoxLayout(&box);
  layout->addWidget(list);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed window, like every box of the game
  list->setFocus();
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowFlags(kFixedWindowFlags);  // after the modality, which drops CustomizeWindowHint
  box.exec();
}

}  // namespace blefino
