// What both computer opponents do the same way: the move, the answer to a
// claim, the settlement of that answer, and the lead of a new round.
#include "opponents/opponent.h"

#include <array>

#include "opponents/experienced.h"
#include "opponents/opponents.h"

namespace blefino {

const OpponentRules& rules_of(Seat who) { return who == Seat::Cpu1 ? cpu1_rules() : cpu2_rules(); }

Next ComputerOpponents::move(Game& game, Seat who) {
  if (game.level == Level::Experienced) return experienced_move(game, who);
  return opponent_move(game, rules_of(who));
}

int claimed_rank_count(const Game& g, const Pile& list) {
  int n = 0;
  for (CardCode c : list)
    if (rank_of(c) == g.claimed_rank) ++n;
  return n;
}

long roll_against_record(Game& g, long total) {
  g.rng.reseed();
  return total == 0 ? round_half_even(g.rng.next()) : round_half_even(total * g.rng.next());
}

void lay(Game& g, Seat who, int position) {
  Pile& hand = g.hand(who);
  const CardCode c = hand.item(position);
  g.batch.add(c);
  g.seat(who).laid.add(c);
  g.memory.laid(who, c);
  hand.remove(position);
}

void batch_laid(Game& g) { g.batch_face_up = g.show_cards; }

namespace {

// The player before `who` in the order of moves: the one whose batch it answers.
Seat claimer_before(const Game& g, Seat who) {
  if (who == Seat::Cpu1) return g.seat(Seat::Human).out ? Seat::Cpu2 : Seat::Human;
  return g.seat(Seat::Cpu1).out ? Seat::Human : Seat::Cpu1;
}

}  // namespace

Next settle(Game& g, const OpponentRules& p, bool believed) {
  const auto generation = g.generation;
  g.batch_face_up = true;
  const bool honest = claim_is_true(g);
  p.record_result(g, honest);

  if (honest && believed) {  // the round leaves the game
    announce(g, Verdict::Discard, p.seat);
    if (halted(g, generation)) return Next::Stop;
    round_to_discard(g, p.tells_both_memories, true);
    if (end_of_game_check(g)) return Next::Stop;
    return next_of(p.seat);
  }
  if (honest != believed) {  // it was wrong: it takes, and the move passes on
    announce(g, Verdict::ITake, p.seat);
    if (halted(g, generation)) return Next::Stop;
    take_round(g, p.seat);
    if (end_of_game_check(g)) return Next::Stop;
    return pass_on_after(g, p.seat);
  }
  // A lie caught: whoever laid it takes, and the opponent opens the next round.
  const Seat taker = claimer_before(g, p.seat);
  // Opponent 1 tells the human to take; opponent 2 names whoever takes.
  if (p.seat == Seat::Cpu1)
    announce(g, Verdict::YouTake, Seat::Cpu1);
  else if (taker == Seat::Human)
    announce(g, Verdict::YouTake, Seat::Cpu2);
  else
    announce(g, Verdict::ITake, taker);
  if (halted(g, generation)) return Next::Stop;
  take_round(g, taker);
  if (end_of_game_check(g)) return Next::Stop;
  return next_of(p.seat);
}

Next answer_claim(Game& g, const OpponentRules& p, int roll) {
  Pile& hand = g.hand(p.seat);
  const int own = claimed_rank_count(g, hand);

  if (own >= 1) {  // it holds the claimed rank: it always adds
    push_to_heap(g);
    say(g, p.seat, Line::Adding);
    const bool bluff = p.bluff_when_adding(g, roll);
    if (!bluff) {
      for (int i = hand.count(); i >= 1; --i)
        if (rank_of(hand.item(i)) == g.claimed_rank) lay(g, p.seat, i);
    } else {
      // As many cards as it holds of the rank, taken from the end of the hand,
      // where the cards it picked up in earlier rounds lie.
      for (int j = 0; j < own; ++j) lay(g, p.seat, hand.count());
    }
    g.tell(p.seat, bluff ? Play::AddedBluff : Play::Added);  // told once the cards lie
    batch_laid(g);
    return pass_on_after(g, p.seat);
  }

  if (!hand.empty() && roll == 0) {  // now and then it adds blind
    push_to_heap(g);
    g.rng.reseed();
    const int x = round_half_even(9 * g.rng.next());
    const int k = (hand.count() >= 2 && x < 4) ? 2 : 1;
    for (int j = k; j >= 1; --j) lay(g, p.seat, j);
    g.tell(p.seat, Play::AddedBlind);
    batch_laid(g);
    say(g, p.seat, Line::Adding);
    return pass_on_after(g, p.seat);
  }

  const bool believed = p.believes(g, roll);
  g.tell(p.seat, believed ? Play::Believed : Play::Doubted);
  return settle(g, p, believed);
}

bool lead(Game& g, const OpponentRules& p) {
  Pile& hand = g.hand(p.seat);
  say(g, p.seat, Line::IMove);

  // One entry (the group's first card) per rank held exactly twice or three
  // times, grouping the hand by rank in the order each rank first appears; a
  // rank held four times ends the search.
  struct Groups {
    std::array<CardCode, 9> first{};
    int count = 0;
    void add(CardCode c) { first[static_cast<std::size_t>(count++)] = c; }
  } pairs, triples;
  int four_rank = 0;
  Pile rest = hand;
  while (!rest.empty() && four_rank == 0) {
    Pile group;
    const int r1 = rank_of(rest.item(1));
    for (int j = rest.count(); j >= 1; --j) {
      if (rank_of(rest.item(j)) == r1) {
        group.add(rest.item(j));
        rest.remove(j);
      }
    }
    switch (group.count()) {
      case 4:
        four_rank = r1;
        break;
      case 3:
        triples.add(group.item(1));
        break;
      case 2:
        pairs.add(group.item(1));
        break;
      default:
        break;
    }
  }

  g.rng.reseed();
  // Entries 1..n, the two ends half as likely as those between.
  auto pick_index = [&](int n) { return round_half_even(1 + g.rng.next() * (n - 1)); };
  auto entry = [](const Groups& gr, int i) { return gr.first[static_cast<std::size_t>(i - 1)]; };
  int rank;
  if (four_rank != 0)
    rank = four_rank;
  else if (triples.count > 0)
    rank = rank_of(entry(triples, pick_index(triples.count)));
  else if (pairs.count > 0)
    rank = rank_of(entry(pairs, pick_index(pairs.count)));
  else if (hand.empty())
    return false;
  else
    rank = rank_of(hand.item(pick_index(hand.count())));

  const bool bluff = p.bluff_when_leading(g);
  claim(g, rank);  // the claim is made before any card is laid
  for (int i = hand.count(); i >= 1; --i) {
    if (rank_of(hand.item(i)) != rank) continue;
    lay(g, p.seat, bluff ? hand.count() : i);
  }
  g.tell(p.seat, bluff ? Play::LedBluff : Play::Led);
  return true;
}

Next opponent_move(Game& g, const OpponentRules& p) {
  // The others fall silent while it moves.
  for (Seat s : kSeats)
    if (s != p.seat) say(g, s, Line::Silent);
  lock_human(g);
  g.marker = p.seat;
  g.rng.reseed();
  const int roll = round_half_even(9 * g.rng.next());

  if (p.impossible_claim && p.impossible_claim(g)) return settle(g, p, false);
  if (g.batch.empty()) {
    lead(g, p);
    batch_laid(g);
    return pass_on_after(g, p.seat);
  }
  return answer_claim(g, p, roll);
}

}  // namespace blefino
