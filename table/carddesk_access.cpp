#include "table/carddesk_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <array>
#include <vector>

#include "core/narration.h"
#include "table/carddesk_layout.h"
#include "table/carddesk_table.h"

namespace blefino::access {

namespace {

constexpr int kBatchRow = 4;  // the batch is spoken of like a fourth hand

// "1 карта", "3 карты", "12 карт", "21 карта".
QString cards(int n) { return QString::fromStdString(counted(n, "карта", "карты", "карт")); }

QString text(const std::string& s) { return QString::fromStdString(s); }

const std::array<Slot, kHandSlots + 1>& hand(const TableModel& m, int row) {
  return row == 1 ? m.koloda1 : row == 2 ? m.koloda2 : m.koloda3;
}

// The drawing fills slots and batch places from 1 upwards.
int hand_count(const TableModel& m, int row) {
  int n = 0;
  if (row == kBatchRow) {
    while (n < 4 && m.konpic[n + 1].visible && m.konpic[n + 1].picture != kNoPicture) ++n;
  } else {
    while (n < kHandSlots && hand(m, row)[n + 1].visible) ++n;
  }
  return n;
}

int pile_count(const Label& count) { return text(count.caption).trimmed().toInt(); }

QString whose(const TableModel& m, int row) {
  return text(row == 1 ? m.Labelcpu1.caption : m.Labelcpu2.caption);
}

QString said(const QString& who, const std::string& line) {
  return line.empty() ? who : who + QStringLiteral(": ") + text(line);
}

enum class Kind { Hand, Card, Heap, Otboy, Portrait, Marker, Status };

// Where the table keeps the last opponent move told in words.
constexpr char kLastMove[] = "blefinoLastMove";

class TableAccessible;

// A hand, a card, a pile, a portrait or the turn marker: painted on the
// cloth, not widgets, so they get interfaces of their own.
class Item : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  Item(const TableAccessible* owner, CarddeskTable* table, Kind kind, int row = 0, int index = 0)
      : owner_(owner), table_(table), kind_(kind), row_(row), index_(index) {}

  bool isValid() const override { return table_; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return table_ ? table_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int i) const override;
  int childCount() const override {
    return table_ && kind_ == Kind::Hand ? hand_count(table_->model(), row_) : 0;
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    for (int i = 0; i < childCount(); ++i)
      if (child(i) == c) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = childCount() - 1; i >= 0; --i)  // later cards lie on top
      if (child(i)->rect().contains(x, y)) return child(i);
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override {
    switch (kind_) {
      case Kind::Hand:
        return QAccessible::List;
      case Kind::Card:
        return QAccessible::ListItem;
      case Kind::Status:
        return QAccessible::StatusBar;
      default:
        return QAccessible::Graphic;
    }
  }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface && humans_card()
               ? static_cast<QAccessibleActionInterface*>(this)
               : nullptr;
  }

  // A card of the human's hand can be pressed, as with the mouse or Space.
  QStringList actionNames() const override {
    return humans_card() && usable() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && usable() && table_->on_card_pressed)
      table_->on_card_pressed(index_);
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    return name == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
  }

  QString last_name;  // what assistive technology was last told

 private:
  bool humans_card() const { return kind_ == Kind::Card && row_ == 3; }
  bool usable() const {
    if (!table_ || index_ > hand_count(table_->model(), 3)) return false;
    const Slot& s = table_->model().koloda3[static_cast<std::size_t>(index_)];
    return s.visible && s.enabled;
  }
  QRect on_screen(const QRect& r) const {
    return r.isEmpty() ? QRect() : QRect(table_->mapToGlobal(r.topLeft()), r.size());
  }

  const TableAccessible* owner_;
  QPointer<CarddeskTable> table_;
  Kind kind_;
  int row_, index_;
};

// The table itself: its widgets as Qt sees them, then what is painted.
class TableAccessible : public QAccessibleWidget {
 public:
  explicit TableAccessible(CarddeskTable* table) : QAccessibleWidget(table, QAccessible::Pane) {}
  ~TableAccessible() override {
    for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }

  CarddeskTable* table() const { return static_cast<CarddeskTable*>(widget()); }

  int childCount() const override {
    return QAccessibleWidget::childCount() + static_cast<int>(items().size());
  }
  QAccessibleInterface* child(int i) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (i < widgets) return QAccessibleWidget::child(i);
    const auto& all = items();
    return i - widgets < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(i - widgets)]
                                                      : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    const auto& all = items();
    for (std::size_t k = 0; k < all.size(); ++k)
      if (all[k] == c) return QAccessibleWidget::childCount() + static_cast<int>(k);
    return QAccessibleWidget::indexOfChild(c);
  }
  QAccessibleInterface* focusChild() const override {
    // While the hand has the keyboard, the card it is on has the focus.
    const int f = table()->focusedSlot();
    if (table()->hasFocus() && f > 0) return card(3, f);
    return QAccessibleWidget::focusChild();
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? QStringLiteral("Игровой стол") : QAccessibleWidget::text(t);
  }

  Item* card(int row, int index) const {
    items();
    return cards_[static_cast<std::size_t>(row)][static_cast<std::size_t>(index)];
  }
  Item* hand(int row) const {
    items();
    return hands_[static_cast<std::size_t>(row)];
  }
  Item* status() const {
    items();
    return status_;
  }
  // In the order a player reads the table: top left to bottom right.
  const std::vector<Item*>& items() const {
    if (top_.empty()) make_items();
    return top_;
  }

 private:
  void make_items() const {
    CarddeskTable* t = table();
    auto add = [&](Kind kind, int row = 0, int index = 0) {
      auto* item = new Item(this, t, kind, row, index);
      ids_.push_back(QAccessible::registerAccessibleInterface(item));
      return item;
    };
    for (int row = 1; row <= kBatchRow; ++row) {
      hands_[static_cast<std::size_t>(row)] = add(Kind::Hand, row);
      for (int i = 1; i <= (row == kBatchRow ? 4 : kHandSlots); ++i)
        cards_[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)] =
            add(Kind::Card, row, i);
    }
    top_ = {add(Kind::Portrait, 1), hands_[1],
            add(Kind::Portrait, 2), hands_[2],
            add(Kind::Marker),      status_ = add(Kind::Status),
            hands_[kBatchRow],      add(Kind::Heap),
            add(Kind::Otboy),       hands_[3]};
  }

  mutable std::vector<Item*> top_;
  mutable Item* status_ = nullptr;
  mutable std::array<Item*, kBatchRow + 1> hands_{};
  mutable std::array<std::array<Item*, kHandSlots + 1>, kBatchRow + 1> cards_{};
  mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* Item::parent() const {
  if (kind_ == Kind::Card) return owner_->hand(row_);
  return const_cast<TableAccessible*>(owner_);
}

QAccessibleInterface* Item::child(int i) const {
  if (i < 0 || i >= childCount()) return nullptr;
  return owner_->card(row_, i + 1);
}

QString Item::text(QAccessible::Text t) const {
  if (!table_) return {};
  const TableModel& m = table_->model();
  if (t == QAccessible::Description && humans_card() && index_ <= hand_count(m, 3) &&
      m.koloda3[static_cast<std::size_t>(index_)].top < kRaisedBelow)
    return QStringLiteral("поднята");
  if (t == QAccessible::Description && kind_ == Kind::Status)
    return QStringLiteral("Последний ход противника; клавиша И — все ходы этого кона");
  if (t != QAccessible::Name) return {};
  switch (kind_) {
    case Kind::Hand:
      if (row_ == kBatchRow) return QStringLiteral("Кон: ") + cards(hand_count(m, row_));
      return (row_ == 3 ? QStringLiteral("Ваша рука") : QStringLiteral("Рука ") + whose(m, row_)) +
             QStringLiteral(": ") + cards(hand_count(m, row_));
    case Kind::Card:
      return card_name(row_ == kBatchRow ? m.konpic[static_cast<std::size_t>(index_)].picture
                                         : hand(m, row_)[static_cast<std::size_t>(index_)].picture);
    case Kind::Heap:
      return QStringLiteral("Куча: ") + cards(pile_count(m.in_heap));
    case Kind::Otboy:
      return QStringLiteral("Отбой: ") + cards(pile_count(m.in_otboy));
    case Kind::Portrait:
      return QStringLiteral("Портрет: ") + whose(m, row_);
    case Kind::Marker:
      return QStringLiteral("Ход: ") +
             (m.turn_row == 3 ? QStringLiteral("ваш") : whose(m, m.turn_row));
    case Kind::Status: {
      const QString said = table_->property(kLastMove).toString();
      return said.isEmpty() ? QStringLiteral("Противники ещё не ходили") : said;
    }
  }
  return {};
}

QRect Item::rect() const {
  if (!table_) return {};
  const TableModel& m = table_->model();
  auto box = [&](const Picture& p, QSize size) {
    return table_->toWidget(QRect(QPoint(layout::px(p.left), layout::px(p.top)), size));
  };
  switch (kind_) {
    case Kind::Hand: {
      QRect all;
      for (int i = 0; i < childCount(); ++i) all |= child(i)->rect();
      return all;
    }
    case Kind::Card:
      if (row_ == kBatchRow)
        return on_screen(box(m.konpic[static_cast<std::size_t>(index_)], layout::kBatchCard));
      return on_screen(table_->slotRect(row_, index_));
    case Kind::Heap:
      return on_screen(box(m.heappic, layout::kCard));
    case Kind::Otboy:
      return on_screen(box(m.otboypic, layout::kCard));
    case Kind::Portrait:
      return on_screen(box(row_ == 1 ? m.Image1 : m.Image2, layout::kPortrait));
    case Kind::Marker:
      return on_screen(box(m.Chesspiece, layout::kMarker));
    case Kind::Status:
      return on_screen(table_->rect());
  }
  return {};
}

QAccessible::State Item::state() const {
  QAccessible::State s;
  if (!table_) {
    s.invalid = true;
    return s;
  }
  const TableModel& m = table_->model();
  switch (kind_) {
    case Kind::Heap:
      s.invisible = !m.heappic.visible;
      break;
    case Kind::Otboy:
      s.invisible = !m.otboypic.visible;
      break;
    case Kind::Marker:
      s.invisible = !m.Chesspiece.visible;
      break;
    case Kind::Card:
      if (humans_card()) {
        const Slot& slot = m.koloda3[static_cast<std::size_t>(index_)];
        s.focusable = true;
        s.focused = table_->hasFocus() && table_->focusedSlot() == index_;
        s.selectable = true;
        s.selected = slot.top < kRaisedBelow;  // raised, ready to be laid
        s.disabled = !slot.enabled;
      } else {
        s.readOnly = true;
      }
      break;
    default:
      break;
  }
  return s;
}

QAccessibleInterface* factory(const QString&, QObject* object) {
  if (auto* table = qobject_cast<CarddeskTable*>(object)) return new TableAccessible(table);
  // The rank buttons' frame is a group, not a decoration.
  if (auto* frame = qobject_cast<QFrame*>(object); frame &&
                                                   qobject_cast<CarddeskTable*>(frame->parent()) &&
                                                   frame->objectName() == QLatin1String("Frame1"))
    return new QAccessibleWidget(frame, QAccessible::Grouping, QStringLiteral("Ранг заявки"));
  return nullptr;
}

TableAccessible* table_interface(CarddeskTable& t) {
  return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(&t));
}

void rename(QWidget* w, const QString& name) {
  if (w->accessibleName() != name) w->setAccessibleName(name);  // Qt announces the change
}

}  // namespace

QString card_name(int picture) {
  if (!is_valid_code(picture)) return QStringLiteral("карта");  // a back, or nothing
  QString name = QString::fromStdString(card_words(picture));
  name[0] = name[0].toUpper();
  return name;
}

void install() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  (void)installed;
}

void model_shown(CarddeskTable& t) {
  const TableModel& m = t.model();
  rename(t.Conversation1, said(whose(m, 1), m.Conversation1.caption));
  rename(t.Conversation2, said(whose(m, 2), m.Conversation2.caption));
  rename(t.Conversation3, said(QStringLiteral("Вы"), m.Conversation3.caption));
  rename(t.koncard, QStringLiteral("Заявка: ") + text(m.koncard.caption));
  rename(t.in_heap, QStringLiteral("Куча: ") + cards(pile_count(m.in_heap)));
  rename(t.in_otboy, QStringLiteral("Отбой: ") + cards(pile_count(m.in_otboy)));
  // A caption broken over lines is still read as one.
  for (QPushButton* b : {t.Command1, t.mainbutton, t.neveru, t.veru})
    rename(b, b->property("caption").toString());

  if (!QAccessible::isActive()) return;
  TableAccessible* table = table_interface(t);
  if (!table) return;
  for (Item* item : table->items()) {
    if (item == table->status()) continue;  // it speaks only when an opponent moves
    const QString name = item->text(QAccessible::Name);
    if (name == item->last_name) continue;
    item->last_name = name;
    QAccessibleEvent changed(item, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
}

void announce(CarddeskTable& t, const QString& sentence) {
  t.setProperty(kLastMove, sentence);
  if (!QAccessible::isActive()) return;
  TableAccessible* table = table_interface(t);
  if (!table) return;
  // Told even when it reads as the one before: it is another move.
  table->status()->last_name = sentence;
  QAccessibleEvent changed(table->status(), QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

void focus_moved(CarddeskTable& t) {
  if (!QAccessible::isActive() || !t.hasFocus()) return;
  TableAccessible* table = table_interface(t);
  if (!table || t.focusedSlot() == 0) return;
  QAccessibleEvent focus(table->card(3, t.focusedSlot()), QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

}  // namespace blefino::access
