#pragma once
// The green cloth of the table window: paints the pictures of the model and
// carries the labels, buttons and rank buttons as child widgets.

#include <QWidget>
#include <array>
#include <functional>

#include "table_model.h"

class QLabel;
class QPushButton;
class QFrame;
class QRadioButton;

namespace blefino {

class CarddeskTable : public QWidget {
  Q_OBJECT
 public:
  explicit CarddeskTable(const TableModel& model, QWidget* parent = nullptr);

  // Copies the model into the child controls and schedules a repaint.
  void sync();

  QRect slotRect(int row, int index) const;
  int humanSlotAt(QPoint pos) const;

  // Draws what the cloth itself shows (everything but the child widgets).
  void paintCloth(QPainter& p) const;

  std::function<void(int)> on_card_pressed;

  QLabel *Label1, *Conversation1, *Conversation2, *Conversation3;
  QLabel *Labelcpu1, *Labelcpu2, *koncard;
  QLabel *Label_of_heap, *in_heap, *Label_of_otboy, *in_otboy, *myname;
  QPushButton *Command1, *mainbutton, *neveru, *veru;
  QFrame* Frame1;
  std::array<QRadioButton*, 10> Option1{};  // 1..9

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  const Slot& slot(int row, int index) const;
  void updateCursor(QPoint pos);

  const TableModel& m_;
};

}  // namespace blefino
