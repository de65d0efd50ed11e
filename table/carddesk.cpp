#include "table/carddesk.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

#include "core/game.h"
#include "core/narration.h"
#include "core/table_view.h"
#include "table/carddesk_access.h"
#include "table/carddesk_table.h"
#include "table/placement.h"
#include "table/round_history.h"

namespace blefino {

CarddeskEvents events_for(Game& g) {
  CarddeskEvents e;
  e.card_pressed = [&g](int i) { press_card(g, i); };
  e.rank_clicked = [&g](int k) { click_rank(g, k); };
  e.main_pressed = [&g] { press_main(g); };
  e.show_cards_pressed = [&g] { press_show_cards(g); };
  e.veru_pressed = [&g] { press_veru(g); };
  e.neveru_pressed = [&g] { press_neveru(g); };
  e.close_requested = [&g] { quit(g); };
  return e;
}

std::function<TableModel()> view_of(const Game& g) {
  return [&g] { return table_view(g); };
}

Carddesk::Carddesk(std::function<TableModel()> source, CarddeskEvents events, QWidget* parent)
    : QMainWindow(parent), source_(std::move(source)), events_(std::move(events)) {
  setObjectName(QStringLiteral("Carddesk"));
  setWindowTitle(QStringLiteral("Игровое поле"));

  table_ = new CarddeskTable(model_, this);
  setCentralWidget(table_);  // it grows with the window and never gets smaller than its own size

  table_->on_card_pressed = [this](int i) {
    forward([this, i] {
      if (events_.card_pressed) events_.card_pressed(i);
    });
  };
  connect(table_->mainbutton, &QPushButton::clicked, this,
          [this] { forward(events_.main_pressed); });
  connect(table_->Command1, &QPushButton::clicked, this,
          [this] { forward(events_.show_cards_pressed); });
  connect(table_->veru, &QPushButton::clicked, this, [this] { forward(events_.veru_pressed); });
  connect(table_->neveru, &QPushButton::clicked, this, [this] { forward(events_.neveru_pressed); });
  for (int k = 1; k <= 9; ++k)
    connect(table_->Option1[static_cast<std::size_t>(k)], &QRadioButton::clicked, this, [this, k] {
      forward([this, k] {
        if (events_.rank_clicked) events_.rank_clicked(k);
      });
    });

  // The main button is the table's default button: Enter presses it while it
  // can be pressed. A main window has no default button of its own, so a
  // shortcut does the job.
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), this);
    connect(enter, &QShortcut::activated, this, [this] {
      QPushButton* b = table_->mainbutton;
      if (b->isVisible() && b->isEnabled()) b->click();
    });
  }

  showModel();
}

Carddesk::~Carddesk() = default;

QWidget* Carddesk::table() const { return table_; }

void Carddesk::showModel() {
  if (source_) model_ = source_();
  table_->sync();
  if (narrator_)
    for (const std::string& said : narrator_->take_new())
      access::announce(*table_, QString::fromStdString(said));
}

void Carddesk::followNarration(Narrator* narrator) {
  narrator_ = narrator;
  table_->on_history = [this] {
    show_round_history(this, narrator_ ? narrator_->round() : std::deque<std::string>{});
  };
}

QRect Carddesk::slotRect(int row, int index) const { return table_->slotRect(row, index); }

int Carddesk::humanSlotAt(QPoint pos) const { return table_->humanSlotAt(pos); }

void Carddesk::forward(const std::function<void()>& handler) {
  if (!handler) return;
  handler();
  showModel();
}

void Carddesk::closeEvent(QCloseEvent* event) {
  if (events_.close_requested) events_.close_requested();
  event->accept();
}

std::string Carddesk::placement() const { return saveGeometry().toBase64().toStdString(); }

void Carddesk::restorePlacement(const std::string& text) {
  // Qt moves a window whose screen has gone back onto one that is there.
  if (restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(text)))) centred_ = true;
}

void Carddesk::fitInto(const QRect& area) {
  // The frame is known once the window manager has put it on; before that,
  // room for a title bar is kept all the same.
  const QMargins known(
      geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
      frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  const QMargins frame(known.left(), std::max(known.top(), title), known.right(), known.bottom());
  const QSize chrome(frame.left() + frame.right() + width() - table_->width(),
                     frame.top() + frame.bottom() + height() - table_->height());
  const QSize room = (area.size() - chrome).expandedTo(QSize(1, 1));
  const QSize own = table_->sizeHint();
  table_->setMinimumSize(own.width() <= room.width() && own.height() <= room.height()
                             ? own
                             : own.scaled(room, Qt::KeepAspectRatio));
  if (layout()) layout()->activate();  // the window's own minimum follows at once
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const QSize fitted = size().boundedTo(
      area.size() - QSize(frame.left() + frame.right(), frame.top() + frame.bottom()));
  if (fitted != size()) resize(fitted);
  // Title bar and all on the screen.
  const QRect outer = geometry().marginsAdded(frame);
  QPoint shift;
  if (outer.right() > area.right()) shift.rx() = area.right() - outer.right();
  if (outer.bottom() > area.bottom()) shift.ry() = area.bottom() - outer.bottom();
  if (outer.left() + shift.x() < area.left()) shift.rx() = area.left() - outer.left();
  if (outer.top() + shift.y() < area.top()) shift.ry() = area.top() - outer.top();
  if (!shift.isNull()) move(pos() + shift);
}

void Carddesk::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  // The window manager's frame becomes known only after the window is up:
  // fitted once more with it, the window's edges are all on the screen.
  if (framed_ || frameGeometry() == geometry()) return;
  framed_ = true;
  if (QScreen* screen = this->screen()) fitInto(screen->availableGeometry());
}

void Carddesk::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  QScreen* screen = this->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!centred_) {
    centred_ = true;
    if (screen) fitInto(screen->availableGeometry());
    centre_on_screen(*this);  // the table opens in the middle of the screen
  }
  // A kept place may no longer fit; a window given back by the window
  // manager (un-minimised) stays where the player put it.
  if (screen && !event->spontaneous()) fitInto(screen->availableGeometry());
}

}  // namespace blefino
