// The experienced opponents. Each option of a move is given a worth in cards
// (what it is likely to add to the opponent's own hand, less what it is likely
// to make another player take) and the cheapest is played. Chances come from
// what the seat has seen: the cards that cannot be where a claim says they
// are, how often the claimer's claims of that kind were true, and how often
// the next player doubts.
#include "opponents/experienced.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "opponents/opponent.h"

namespace blefino {

const Character& character_of(Seat who) {
  // Opponent 1 counts and keeps its bluffs small; opponent 2 risks more, and
  // likes to see another player take a round.
  static const Character careful{2.0, 0.6, 0.0, 0.15};
  static const Character bold{2.5, 0.7, 0.55, 0.4};
  return who == Seat::Cpu1 ? careful : bold;
}

namespace {

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

int count_of(const Pile& hand, int rank) {
  return static_cast<int>(
      std::count_if(hand.begin(), hand.end(), [rank](CardCode c) { return rank_of(c) == rank; }));
}

// Who moves after `s`, skipping whoever is out.
Seat next_after(const SeatView& v, Seat s) {
  for (int step = 1; step <= 2; ++step) {
    const Seat n = kSeats[(static_cast<std::size_t>(s) + static_cast<std::size_t>(step)) % 3];
    if (!v.out[n]) return n;
  }
  return s;
}

// How `who` answers a batch of `size` cards on a round of `round` cards: the
// chances it doubts and that it believes, from how it answered batches of
// that size on rounds of that size, leaning on all its answers until it has
// given a few of them, and on a modest prior before that.
struct Answers {
  double doubt, believe;
};
Answers answers_of(const SeatView& v, Seat who, int size, int round) {
  const AnswerRecord& r = v.answers[who];
  double faced = 0, doubted = 0, believed = 0;
  for (std::size_t b = 0; b < 3; ++b)
    for (int k = 1; k <= 4; ++k)
      faced += r.faced[b][at(k)], doubted += r.doubted[b][at(k)], believed += r.believed[b][at(k)];
  const double all_doubt = (doubted + 1) / (faced + 4), all_believe = (believed + 2) / (faced + 4);
  const std::size_t b = AnswerRecord::round_size(round), k = at(std::clamp(size, 1, 4));
  return {(r.doubted[b][k] + 3 * all_doubt) / (r.faced[b][k] + 3),
          (r.believed[b][k] + 3 * all_believe) / (r.faced[b][k] + 3)};
}

// How likely the standing claim is true: impossible by the count, or as often
// as the claimer's claims of that kind and size have been.
double honest_chance(const SeatView& v) {
  if (v.batch > unaccounted(v, v.claimed_rank, v.claimer)) return 0.0;
  const ClaimRecord& r = v.claims[v.claimer];
  const std::size_t kind = v.claim_opened ? 0 : 1;
  double honest = 0, lies = 0;
  for (int k = 1; k <= 4; ++k) honest += r.honest[kind][at(k)], lies += r.lies[kind][at(k)];
  const double overall = (honest + (v.claim_opened ? 1.2 : 0.8)) / (honest + lies + 2);
  const int k = std::clamp(v.batch, 1, 4);
  double p =
      (r.honest[kind][at(k)] + 2 * overall) / (r.honest[kind][at(k)] + r.lies[kind][at(k)] + 2);
  // Cards of the rank seen going into the claimer's hand make the claim likelier.
  const int seen = v.held[v.claimer][at(v.claimed_rank)];
  if (seen > 0) p += (1 - p) * 0.6 * std::min(1.0, double(seen) / v.batch);
  return p;
}

// The chance that `who` holds enough of `rank` to know a claim of `claimed`
// such cards false: each card of the rank it could hold is in its hand as
// likely as any unseen card.
double sure_to_be_caught(const SeatView& v, Seat who, int rank, int claimed) {
  const int room = 4 - v.gone[at(rank)] - claimed;  // the most it can hold and still believe
  if (room < 0) return 1.0;
  const int could = unaccounted(v, rank, who);
  if (could <= room) return 0.0;
  int unseen = 36 - v.hand.count(), known_in_hand = 0;
  for (int r = 1; r <= 9; ++r) {
    unseen -= v.gone[at(r)] + v.mine_in_round[at(r)];
    for (Seat s : kSeats) unseen -= v.held[s][at(r)];
    known_in_hand += v.held[who][at(r)];
  }
  const double share =
      std::clamp(double(v.cards[who] - known_in_hand) / std::max(unseen, 1), 0.0, 0.999);
  // P(more than `room` of the `could` cards are in its hand), term by term.
  double tail = 0, term = std::pow(1 - share, could);
  for (int i = 0; i <= could; ++i) {
    if (i > room) tail += term;
    term *= double(could - i) / (i + 1) * share / (1 - share);
  }
  return std::min(tail, 1.0);
}

// Cards it would rather be rid of, for padding a claim: the ranks it holds
// fewest of first, never the claimed rank.
Pile spare_cards(const Pile& hand, int rank) {
  Pile spare;
  for (CardCode c : hand)
    if (rank_of(c) != rank) spare.add(c);
  std::stable_sort(spare.items().begin(), spare.items().end(), [&hand](CardCode a, CardCode b) {
    return count_of(hand, rank_of(a)) < count_of(hand, rank_of(b));
  });
  return spare;
}

// Ranks left in the hand after laying `laid`: the fewer, the easier to shed honestly.
int ranks_left(const Pile& hand, const Pile& laid) {
  std::array<int, 10> n{};
  for (CardCode c : hand) ++n[at(rank_of(c))];
  for (CardCode c : laid) --n[at(rank_of(c))];
  return static_cast<int>(std::count_if(n.begin() + 1, n.end(), [](int k) { return k > 0; }));
}

struct Chooser {
  const SeatView& v;
  const Character& who;
  Random& rng;
  Decision best;
  double best_worth = std::numeric_limits<double>::infinity();

  void offer(Decision d, double worth) {
    worth += who.whim * rng.next();
    worth += 0.25 * ranks_left(v.hand, d.cards);  // a hand of few ranks is easier to shed
    if (worth < best_worth) best_worth = worth, best = std::move(d);
  }

  // Laying `cards` under a claim of `rank`, on top of `under` cards of the round.
  double worth_of_laying(const Pile& cards, int rank, int under) {
    const int n = cards.count();
    const Seat next = next_after(v, v.seat);
    const Answers a = answers_of(v, next, n, under + n);
    const bool honest =
        std::all_of(cards.begin(), cards.end(), [rank](CardCode c) { return rank_of(c) == rank; });
    // Doubted, an honest batch goes to the next player; believed, a false one
    // does. Proved right either way, the next player opens the next round: a
    // lead given away, and a turn of its own lost.
    const double tempo = 2 * who.others_take * who.lead_worth;
    if (honest) return -n - who.others_take * a.doubt * (under + n) + tempo * a.believe;
    const double caught = sure_to_be_caught(v, next, rank, n);
    const double risk = caught + (1 - caught) * a.doubt;
    return -n + (1.5 - who.nerve) * risk * (under + n) + tempo * risk -
           who.others_take * (1 - caught) * a.believe * (under + n);
  }

  // Every way of laying: all of `rank` it holds (or none of them), padded with
  // up to four cards in all.
  void offer_lays(Decision::Kind kind, int rank, int under) {
    Pile own;
    for (CardCode c : v.hand)
      if (rank_of(c) == rank) own.add(c);
    const Pile spare = spare_cards(v.hand, rank);
    for (bool with_own : {true, false}) {
      if (!with_own && own.empty()) continue;
      Pile cards = with_own ? own : Pile{};
      for (int extra = 0; cards.count() <= 4; ++extra) {
        if (!cards.empty()) offer({kind, rank, cards}, worth_of_laying(cards, rank, under));
        if (extra >= spare.count() || cards.count() == 4) break;
        cards.add(spare.item(extra + 1));
      }
    }
  }
};

}  // namespace

Decision decide(const SeatView& v, const Character& who, Random& rng) {
  Chooser c{v, who, rng, {}};
  if (v.batch == 0) {  // a new round: which rank to claim and what to lay under it
    if (v.hand.empty()) return {};
    for (int rank = 1; rank <= 9; ++rank) c.offer_lays(Decision::Kind::Lead, rank, 0);
    return c.best;
  }
  const double p = honest_chance(v);
  const double round = v.batch + v.heap;
  c.offer({Decision::Kind::Believe, 0, {}}, p * -who.lead_worth + (1 - p) * round);
  c.offer({Decision::Kind::Doubt, 0, {}},
          p * round + (1 - p) * (-who.lead_worth - who.others_take * round));
  if (!v.hand.empty()) c.offer_lays(Decision::Kind::Add, v.claimed_rank, v.heap + v.batch);
  return c.best;
}

namespace {

void lay_codes(Game& g, Seat who, const Pile& cards) {
  for (CardCode c : cards) {
    const Pile& hand = g.hand(who);
    for (int i = 1; i <= hand.count(); ++i)
      if (hand.item(i) == c) {
        lay(g, who, i);
        break;
      }
  }
}

bool all_of_rank(const Pile& cards, int rank) {
  return std::all_of(cards.begin(), cards.end(), [rank](CardCode c) { return rank_of(c) == rank; });
}

}  // namespace

Next experienced_move(Game& g, Seat who) {
  for (Seat s : kSeats)
    if (s != who) say(g, s, Line::Silent);
  lock_human(g);
  g.marker = who;
  const Decision d = decide(what_seat_knows(g, who), character_of(who), g.rng);

  switch (d.kind) {
    case Decision::Kind::Lead:
      say(g, who, Line::IMove);
      if (!d.cards.empty()) {
        claim(g, d.rank);  // the claim is made before any card is laid
        lay_codes(g, who, d.cards);
        g.tell(who, all_of_rank(d.cards, d.rank) ? Play::Led : Play::LedBluff);
      }
      break;
    case Decision::Kind::Add: {
      const bool holds = claimed_rank_count(g, g.hand(who)) > 0;
      push_to_heap(g);
      say(g, who, Line::Adding);
      lay_codes(g, who, d.cards);
      g.tell(who, all_of_rank(d.cards, g.claimed_rank) ? Play::Added
                  : holds                              ? Play::AddedBluff
                                                       : Play::AddedBlind);
      break;
    }
    case Decision::Kind::Believe:
    case Decision::Kind::Doubt: {
      const bool believed = d.kind == Decision::Kind::Believe;
      say(g, who, believed ? Line::Believe : Line::DontBelieve);
      g.tell(who, believed ? Play::Believed : Play::Doubted);
      return settle(g, rules_of(who), believed);
    }
  }
  batch_laid(g);
  return pass_on_after(g, who);
}

}  // namespace blefino
