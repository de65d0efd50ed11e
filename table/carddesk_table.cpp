#include "table/carddesk_table.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "table/carddesk_access.h"
#include "table/carddesk_art.h"
#include "table/carddesk_layout.h"
#include "table/carddesk_pictures.h"
#include "table/text_fit.h"
#include "table/ui_font.h"

namespace blefino {

namespace {

QFont table_font(int pixel_size, bool underline = false) {
  // The table's text is bold throughout.
  QFont f = fonts::ui_font_px(pixel_size, true);
  f.setUnderline(underline);
  return f;
}

// A rank button's text while a claim stands and the buttons are disabled:
// still readable on the cloth, and the claimed rank brighter than the rest.
const QColor kRankDisabled{136, 184, 136};
const QColor kRankClaimed{255, 255, 255};

QLabel* make_label(QWidget* parent, const char* name, QRect geometry, int pixel_size,
                   const QColor& colour, bool underline = false) {
  auto* l = new QLabel(parent);
  l->setObjectName(QLatin1String(name));
  l->setGeometry(geometry);
  l->setFont(table_font(pixel_size, underline));
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setWordWrap(true);  // a long line breaks at word ends inside its box
  l->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, colour);
  l->setPalette(pal);
  return l;
}

QPushButton* make_button(QWidget* parent, const char* name, QRect geometry) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QLatin1String(name));
  b->setGeometry(geometry);
  b->setFont(table_font(layout::kButtonPx));
  b->setAutoDefault(false);
  return b;
}

// A caption too wide for its button goes on several lines, broken between
// words, as the main button's "Нажмите на кнопку" must.
QString wrapped(const QString& text, const QFontMetrics& fm, int width) {
  const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  QString out, line;
  for (const QString& w : words) {
    const QString candidate = line.isEmpty() ? w : line + QLatin1Char(' ') + w;
    if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
      out += line + QLatin1Char('\n');
      line = w;
    } else {
      line = candidate;
    }
  }
  return out + line;
}

QCursor cursor_for(Cursor c) {
  switch (c) {
    case Cursor::Hand:
      return Qt::OpenHandCursor;
    case Cursor::HandPut:
      return Qt::ClosedHandCursor;
    case Cursor::Default:
      break;
  }
  return Qt::PointingHandCursor;
}

void sync_label(QLabel* l, const Label& model) {
  QString text = QString::fromStdString(model.caption);
  // A box of one line (the player's name) ends a text too long for it in
  // "…" rather than cutting it anywhere.
  const QFontMetrics fm = l->fontMetrics();
  if (l->height() < 2 * fm.lineSpacing()) text = fm.elidedText(text, Qt::ElideRight, l->width());
  if (l->text() != text) l->setText(text);
  if (l->isVisibleTo(l->parentWidget()) != model.visible) l->setVisible(model.visible);
}

void sync_button(QPushButton* b, const Button& model, Qt::CursorShape home = Qt::ArrowCursor) {
  const QString caption = QString::fromStdString(model.caption);
  if (b->property("caption").toString() != caption) {
    b->setProperty("caption", caption);
    // Room for the frame and padding, which grow with the table: 8 px at its own size.
    const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) + 2;
    b->setText(wrapped(caption, b->fontMetrics(), b->width() - margin));
  }
  if (b->isEnabled() != model.enabled) b->setEnabled(model.enabled);
  if (b->isVisibleTo(b->parentWidget()) != model.visible) b->setVisible(model.visible);
  // A button keeps its own pointer unless the game gives it another.
  const Qt::CursorShape shape =
      model.cursor == Cursor::Default ? home : cursor_for(model.cursor).shape();
  if (b->cursor().shape() != shape) b->setCursor(shape);
}

}  // namespace

CarddeskTable::CarddeskTable(const TableModel& model, QWidget* parent)
    : QWidget(parent), m_(model) {
  using namespace layout;
  setObjectName(QStringLiteral("table"));
  resize(kTable);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the cloth covers every pixel
  setMouseTracking(true);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);  // the keyboard's home is the human's hand

  Label1 = make_label(this, "Label1", kLabel1, kTitlePx, kTitle, true);
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Conversation1 = make_label(this, "Conversation1", kConversation1, kLabelPx, kSpeech);
  Conversation2 = make_label(this, "Conversation2", kConversation2, kLabelPx, kSpeech);
  Labelcpu1 = make_label(this, "Labelcpu1", kLabelcpu1, kNamePx, kGreenText);
  Labelcpu2 = make_label(this, "Labelcpu2", kLabelcpu2, kNamePx, kGreenText);
  koncard = make_label(this, "koncard", kKoncard, kLabelPx, kGreenText);
  // The batch's cards reach 4 px into the box: the claim stands below them.
  koncard->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  Label_of_heap = make_label(this, "Label_of_heap", kLabelOfHeap, kLabelPx, kGreenText);
  in_heap = make_label(this, "in_heap", kInHeap, kLabelPx, kGreenText);
  Label_of_otboy = make_label(this, "Label_of_otboy", kLabelOfOtboy, kLabelPx, kGreenText);
  in_otboy = make_label(this, "in_otboy", kInOtboy, kLabelPx, kGreenText);
  Conversation3 = make_label(this, "Conversation3", kConversation3, kLabelPx, kSpeech);
  myname = make_label(this, "myname", kMyname, kLabelPx, kGreenText);

  Command1 = make_button(this, "Command1", kCommand1);
  mainbutton = make_button(this, "mainbutton", kMainbutton);
  neveru = make_button(this, "neveru", kNeveru);
  veru = make_button(this, "veru", kVeru);
  neveru->setCursor(Qt::PointingHandCursor);
  veru->setCursor(Qt::PointingHandCursor);

  Frame1 = new QFrame(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(kFrame1);
  // An etched line drawn with plain strokes: the style's pixmap frame for a
  // box this tall costs as much as the rest of the table.
  Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Frame1->setCursor(Qt::PointingHandCursor);
  QPalette fp = Frame1->palette();
  fp.setColor(QPalette::WindowText, kGreenText);
  fp.setColor(QPalette::Disabled, QPalette::WindowText, kRankDisabled);
  fp.setColor(QPalette::Window, kFelt);
  fp.setColor(QPalette::Light, QColor(0, 150, 0));
  fp.setColor(QPalette::Dark, QColor(0, 24, 0));
  Frame1->setPalette(fp);
  for (int k = 1; k <= 9; ++k) {
    auto* r = new QRadioButton(Frame1);
    r->setObjectName(QStringLiteral("Option1_%1").arg(k));
    r->setGeometry(option1(k));
    r->setFont(table_font(kButtonPx));
    r->setCursor(Qt::PointingHandCursor);
    Option1[static_cast<std::size_t>(k)] = r;
  }
  pictures_ = new TablePictures([this] { update(); }, this);
  rememberPlacement();
  setupKeys();
  sync();
}

const Slot& CarddeskTable::slot(int row, int index) const {
  const auto& hand = row == 1 ? m_.koloda1 : row == 2 ? m_.koloda2 : m_.koloda3;
  return hand[static_cast<std::size_t>(index)];
}

QRect CarddeskTable::slotRect(int row, int index) const {
  const Slot& s = slot(row, index);
  return QRect(
      toWidget(QPoint(layout::px(s.left), layout::px(s.top))),
      QSize(qRound(layout::kCard.width() * scale_), qRound(layout::kCard.height() * scale_)));
}

int CarddeskTable::humanSlotAt(QPoint pos) const {
  // Later slots lie on top of earlier ones.
  for (int i = kHandSlots; i >= 1; --i) {
    const Slot& s = m_.koloda3[static_cast<std::size_t>(i)];
    if (s.visible && s.enabled && slotRect(3, i).contains(pos)) return i;
  }
  return 0;
}

void CarddeskTable::sync() {
  sync_label(Label1, m_.Label1);
  sync_label(Conversation1, m_.Conversation1);
  sync_label(Conversation2, m_.Conversation2);
  sync_label(Conversation3, m_.Conversation3);
  sync_label(Labelcpu1, m_.Labelcpu1);
  sync_label(Labelcpu2, m_.Labelcpu2);
  sync_label(koncard, m_.koncard);
  sync_label(Label_of_heap, m_.Label_of_heap);
  sync_label(in_heap, m_.in_heap);
  sync_label(Label_of_otboy, m_.Label_of_otboy);
  sync_label(in_otboy, m_.in_otboy);
  sync_label(myname, m_.myname);

  sync_button(Command1, m_.Command1);
  sync_button(mainbutton, m_.mainbutton);
  sync_button(neveru, m_.neveru, Qt::PointingHandCursor);
  sync_button(veru, m_.veru, Qt::PointingHandCursor);

  if (Frame1->isVisibleTo(this) != m_.Frame1_visible) Frame1->setVisible(m_.Frame1_visible);
  for (int k = 1; k <= 9; ++k) {
    const OptionButton& o = m_.Option1[static_cast<std::size_t>(k)];
    QRadioButton* r = Option1[static_cast<std::size_t>(k)];
    const QString caption = QString::fromStdString(o.caption);
    if (r->text() != caption) r->setText(caption);
    if (r->isEnabled() != o.enabled) r->setEnabled(o.enabled);
    const QColor disabled_text = o.selected ? kRankClaimed : kRankDisabled;
    if (r->palette().color(QPalette::Disabled, QPalette::WindowText) != disabled_text) {
      QPalette p = r->palette();
      p.setColor(QPalette::Disabled, QPalette::WindowText, disabled_text);
      r->setPalette(p);
    }
    if (r->isChecked() != o.selected) {
      // Only the player's own clicks reach the game; the model's selection is
      // shown without a signal, and "none selected" must be possible too.
      const QSignalBlocker quiet(r);
      r->setAutoExclusive(false);
      r->setChecked(o.selected);
      r->setAutoExclusive(true);
    }
  }

  fonts::fit_texts(*this);
  access::model_shown(*this);
  if (underMouse()) updateCursor(mapFromGlobal(QCursor::pos()));
  update();
}

void CarddeskTable::paintCloth(QPainter& p) const {
  using namespace layout;
  const qreal dpr = p.device()->devicePixelRatioF();
  // Pictures are drawn afresh for the table's scale, one picture pixel to a
  // screen pixel: sharp at any size.
  const qreal density = dpr * scale_;
  // Qt hands any fill or blend taller than about 95 scan lines to its thread
  // pool; for a single card the hand-over costs more than the blend itself,
  // and on a busy machine it doubles the redraw. So everything goes down in
  // bands lower than that.
  constexpr int kBand = 48;
  for (int y = 0; y < height(); y += kBand)
    p.fillRect(QRect(0, y, width(), std::min(kBand, height() - y)), kFelt);

  auto draw = [&](QPoint at, QSize logical, const TablePictures::Picture& picture) {
    const QPixmap& pm = picture.pixmap;
    if (pm.isNull()) return;
    if (!picture.sharp) {
      // The previous scale's picture, stretched until the sharp one is drawn:
      // it shows for a moment only, so without smoothing, which costs more.
      p.drawPixmap(QRectF(at, QSizeF(logical) * scale_), pm, QRectF(pm.rect()));
      return;
    }
    const int rows = pm.height(), band = std::max(1, qRound(kBand * dpr));
    for (int y = 0; y < rows; y += band) {
      const int n = std::min(band, rows - y);
      p.drawPixmap(QRectF(at.x(), at.y() + y / dpr, pm.width() / dpr, n / dpr), pm,
                   QRectF(0, y, pm.width(), n));
    }
  };
  auto card = [&](int element, QSize logical) { return pictures_->get(element, logical, density); };
  auto picture = [&](const Picture& pic, QSize size) {
    if (!pic.visible || pic.picture == kNoPicture) return;
    draw(toWidget(QPoint(px(pic.left), px(pic.top))), size, card(pic.picture, size));
  };

  pictures_->beginFrame();
  picture(m_.Image1, kPortrait);
  picture(m_.Image2, kPortrait);

  p.setPen(QPen(kGreenText, std::max(1, qRound(scale_))));
  p.setBrush(Qt::NoBrush);
  p.drawRect(toWidget(kOtboyBox));

  auto hand = [&](int row) {
    for (int i = 1; i <= kHandSlots; ++i) {
      const Slot& s = slot(row, i);
      if (s.visible && s.picture != kNoPicture)
        draw(slotRect(row, i).topLeft(), kCard, card(s.picture, kCard));
    }
  };
  hand(1);
  hand(2);

  if (m_.Chesspiece.visible)
    draw(toWidget(QPoint(px(m_.Chesspiece.left), px(m_.Chesspiece.top))), kMarker,
         {art::marker(density), true});

  for (int i = 1; i <= 4; ++i) picture(m_.konpic[static_cast<std::size_t>(i)], kBatchCard);
  picture(m_.heappic, kCard);
  picture(m_.otboypic, kCard);

  hand(3);
  if (hasFocus() && keyboard_) paintFocusFrame(p);
}

void CarddeskTable::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paintCloth(p);
}

void CarddeskTable::mousePressEvent(QMouseEvent* event) {
  // Any button will do, and where on the card the pointer lies does not matter.
  const int i = humanSlotAt(event->position().toPoint());
  keyboard_ = false;  // the mouse plays: no focus frame, but the keyboard goes on from here
  if (i != 0) focus_ = i;
  if (i != 0 && on_card_pressed) on_card_pressed(i);
}

void CarddeskTable::mouseMoveEvent(QMouseEvent* event) {
  updateCursor(event->position().toPoint());
}

void CarddeskTable::updateCursor(QPoint pos) {
  Qt::CursorShape shape = Qt::PointingHandCursor;
  const int i = humanSlotAt(pos);
  if (i != 0) shape = cursor_for(m_.koloda3[static_cast<std::size_t>(i)].cursor).shape();
  if (cursor().shape() != shape) setCursor(shape);
}

}  // namespace blefino
