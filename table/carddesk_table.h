#pragma once
// The green cloth of the table window: paints the pictures of the model and
// carries the labels, buttons and rank buttons as child widgets. The table
// keeps its 794 x 529 layout and grows with the widget, uniformly, centred on
// the cloth; at its own size nothing is scaled at all.

#include <QFont>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "core/table_model.h"

class QLabel;
class QPushButton;
class QFrame;
class QRadioButton;

namespace blefino {

class ScaledStyle;
class TablePictures;

class CarddeskTable : public QWidget {
  Q_OBJECT
 public:
  explicit CarddeskTable(const TableModel& model, QWidget* parent = nullptr);

  const TableModel& model() const { return m_; }

  // Copies the model into the child controls and schedules a repaint.
  void sync();

  // Widget pixels: where slot `index` of hand `row` (1, 2 or 3) is drawn, and
  // the human's slot a press at `pos` lands on (the topmost visible and
  // enabled one, or 0).
  QRect slotRect(int row, int index) const;
  int humanSlotAt(QPoint pos) const;

  // The table's own pixels (its 794 x 529 layout) to the widget's.
  qreal scale() const { return scale_; }
  QRect toWidget(const QRect& table_px) const;
  QPoint toWidget(QPoint table_px) const;

  // The position in the human's hand that the keyboard is on: 1 .. the number
  // of cards shown, or 0 while the hand is empty.
  int focusedSlot() const;

  // Draws what the cloth itself shows (everything but the child widgets).
  void paintCloth(QPainter& p) const;

  QSize sizeHint() const override;

  std::function<void(int)> on_card_pressed;
  std::function<void()> on_history;  // the key И: the round's moves in words

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
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const Slot& slot(int row, int index) const;
  void updateCursor(QPoint pos);
  void paintFocusFrame(QPainter& p) const;

  // Scaling (carddesk_scale.cpp): every child keeps the geometry, font and
  // line width it was made with, and gets them times the scale.
  struct Placed {
    QWidget* widget;
    QRect geometry;
    QFont font;
    int line_width;
  };
  void rememberPlacement();
  void applyScale();

  // Keyboard (carddesk_keys.cpp).
  void setupKeys();
  bool handleKey(QKeyEvent* event);
  void moveFocusTo(int index);

  const TableModel& m_;
  qreal scale_ = 1;
  QPoint origin_;  // where the table's top left corner lies in the widget
  std::vector<Placed> placed_;
  ScaledStyle* style_ = nullptr;
  TablePictures* pictures_ = nullptr;  // drawn for the current scale
  int focus_ = 1;                      // the hand position the keyboard is on
  // The frame shows while the hand has the keys, from the start and again
  // once the keyboard plays, and hides while the mouse plays.
  bool keyboard_ = true;
};

}  // namespace blefino
