// The table as the window shows it, read off the game state, with the layout
// numbers of every control (twips, 15 to a pixel at 96 dpi).
#include "core/table_view.h"

#include <algorithm>

namespace blefino {

namespace {

// Where the turn marker stands for each seat.
struct MarkerPlace {
  int left, top;
};
constexpr PerSeat<MarkerPlace> kMarker{{{{5562, 2849}, {6046, 2849}, {4594, 5957}}}};

// A hand row: the left edge of its first card and the span a large hand is squeezed into.
struct Row {
  int base, span, small_limit;
};
constexpr PerSeat<Row> kRows{{{{241, 4300, 4}, {6529, 4250, 4}, {241, 8900, 9}}}};
constexpr int kCardStep = 1073;  // between cards while the hand is small

int card_left(const Row& row, int n, int i) {
  if (n <= row.small_limit) return (i - 1) * kCardStep + row.base;
  // The value is positive, so cutting off the fraction is the floor.
  return static_cast<int>(static_cast<double>(row.span) / n * (i - 1) + row.base);
}

std::string days_left_line(int n) {
  const bool one = n == 1 || n == 21;
  const bool few = (n >= 2 && n <= 4) || (n >= 22 && n <= 24);
  // Built front to back: gcc 12 warns falsely (-Wrestrict) about text put before a string.
  return std::string(one ? "До Нового года остался " : "До Нового года осталось ") +
         std::to_string(n) +
         (one   ? " день"
          : few ? " дня"
                : " дней");
}

// A pile's count as its label shows it, after a blank.
std::string count_caption(int n) {
  std::string caption(1, ' ');  // then appended: gcc 12 warns falsely (-Wrestrict) on " " + text
  return caption += std::to_string(n);
}

void lay_out_hand(const Game& g, Seat seat, std::array<Slot, kHandSlots + 1>& slots) {
  const Pile& hand = g.hand(seat);
  const int n = std::min(hand.count(), kHandSlots);
  const bool human = seat == Seat::Human;
  for (int i = 1; i <= n; ++i) {
    Slot& slot = slots[static_cast<std::size_t>(i)];
    slot.visible = true;
    slot.left = card_left(kRows[seat], n, i);
    if (human) {
      const bool raised = i == g.raised_slot;
      slot.top = raised ? kRaisedTop : kRestingTop;
      slot.cursor = raised ? Cursor::HandPut : Cursor::Hand;
      slot.enabled = !g.hand_locked;
      slot.picture = hand.item(i);
    } else {
      slot.picture = g.show_cards ? hand.item(i) : back_picture(g.back);
    }
  }
}

}  // namespace

// The table as it opens: positions, captions and what is shown before any deal.
TableModel::TableModel() {
  for (int i = 1; i <= kHandSlots; ++i) {
    koloda1[i].top = kOpponentRowTop;
    koloda2[i].top = kOpponentRowTop;
    koloda3[i].top = kRestingTop;
    koloda1[i].cursor = koloda2[i].cursor = Cursor::Default;
  }
  konpic[0] = {2880, 3000, false, kNoPicture};
  const int batch_lefts[] = {240, 1440, 2640, 3840};
  for (int i = 1; i <= 4; ++i) konpic[i] = {batch_lefts[i - 1], 3840, false, kNoPicture};

  heappic = {7080, 3960, false, back_picture(1)};
  otboypic = {8520, 3960, false, back_picture(1)};
  Example = {2280, 3000, false, back_picture(1)};
  Image1 = {240, 240, true, kNoPicture};
  Image2 = {10080, 240, true, kNoPicture};
  Chesspiece = {5520, 2640, false, kNoPicture};

  Label1 = {"Блефино", true};
  Conversation1 = {"Hello!!!", true};
  Conversation2 = {"Hello!!!", true};
  Conversation3 = {"", true};
  Labelcpu1 = {"Имя первого противника", true};
  Labelcpu2 = {"Имя второго противника", true};
  koncard = {"Шестерка", false};
  Label_of_heap = {"КУЧА", false};
  in_heap = {"0", false};
  Label_of_otboy = {"ОТБОЙ", false};
  in_otboy = {"0", false};
  myname = {"You name", false};

  Command1 = {"Открыть карты", true, true, Cursor::Default};
  mainbutton = {"Нажмите на кнопку", false, true, Cursor::Default};
  neveru = {"Не верю", true, true, Cursor::Default};
  veru = {"Верю", true, true, Cursor::Default};

  for (int k = 1; k <= 9; ++k) Option1[k] = {std::string(kRankCaptions[k]), k == 1, true};
}

std::string line_text(const Speech& speech) {
  switch (speech.line) {
    case Line::Silent:
      return "";
    case Line::Hello:
      return "Hello!!!";
    case Line::IMove:
      return "Я хожу";
    case Line::YourMove:
      return "Ваш ход";
    case Line::Believe:
      return "Верю!";
    case Line::DontBelieve:
      return "Не верю!";
    case Line::Adding:
      return "Добавляю...";
    case Line::GoodLuck:
      return "Желаю удачи!!!";
    case Line::Ready:
      return "Вы готовы проиграть?";
    case Line::HappyNewYear:
      return "С новым годом!!!";
    case Line::DaysLeft:
      return days_left_line(speech.days);
  }
  return "";
}

std::string verdict_text(const Game& g, Verdict verdict) {
  switch (verdict) {
    case Verdict::ITake:
      return "Я беру";
    case Verdict::Discard:
      return "Отбой";
    case Verdict::YouTake:
      return g.settings.player_name + ", забирай";
  }
  return "";
}

TableModel table_view(const Game& g) {
  TableModel m;
  if (!g.dealt) return m;  // the table as it opens, before the first deal

  lay_out_hand(g, Seat::Cpu1, m.koloda1);
  lay_out_hand(g, Seat::Cpu2, m.koloda2);
  lay_out_hand(g, Seat::Human, m.koloda3);

  const int n = std::min(g.batch.count(), 4);
  for (int i = 1; i <= 4; ++i) {
    Picture& p = m.konpic[static_cast<std::size_t>(i)];
    p.visible = true;
    if (i <= n) p.picture = g.batch_face_up ? g.batch.item(i) : back_picture(g.back);
  }

  m.heappic.visible = !g.heap.empty();
  m.otboypic.visible = !g.discard.empty();
  m.heappic.picture = m.otboypic.picture = m.Example.picture = back_picture(g.back);
  m.in_heap.caption = count_caption(g.heap.count());
  m.in_otboy.caption = count_caption(g.discard.count());

  m.Image1.picture = g.seat(Seat::Cpu1).portrait;
  m.Image2.picture = g.seat(Seat::Cpu2).portrait;
  m.Labelcpu1.caption = g.seat(Seat::Cpu1).name;
  m.Labelcpu2.caption = g.seat(Seat::Cpu2).name;
  m.Conversation1.caption = line_text(g.seat(Seat::Cpu1).said);
  m.Conversation2.caption = line_text(g.seat(Seat::Cpu2).said);
  m.Conversation3.caption = line_text(g.seat(Seat::Human).said);
  m.myname.caption = g.settings.player_name;

  m.Chesspiece.visible = !g.over;
  m.Chesspiece.left = kMarker[g.marker].left;
  m.Chesspiece.top = kMarker[g.marker].top;
  m.turn_row = static_cast<int>(g.marker) + 1;

  for (Label* l :
       {&m.koncard, &m.Label_of_heap, &m.in_heap, &m.Label_of_otboy, &m.in_otboy, &m.myname})
    l->visible = true;
  // Nothing is shown as claimed before the first claim, though rank 1 stands in.
  m.koncard.caption =
      g.claim_named ? std::string(kRankCaptions[static_cast<std::size_t>(g.claimed_rank)]) : "";
  m.Frame1_visible = true;
  for (int k = 1; k <= 9; ++k) {
    m.Option1[static_cast<std::size_t>(k)].selected = g.claim_named && k == g.claimed_rank;
    m.Option1[static_cast<std::size_t>(k)].enabled = !g.ranks_locked;
  }

  m.mainbutton.visible = !g.over;
  m.mainbutton.enabled = g.main_enabled && !g.opponents_moving;
  m.mainbutton.cursor = Cursor::HandPut;
  m.veru.visible = m.neveru.visible = g.answer_awaited;
  m.Command1.visible = g.show_cards_offered;
  m.Command1.caption = g.show_cards ? "Закрыть карты" : "Открыть карты";
  return m;
}

}  // namespace blefino
