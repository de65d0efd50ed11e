// What both computer opponents do the same way: the move, the answer to a
// claim, the settlement of that answer, and the lead of a new round.
#include "opponent.h"

#include <array>

#include "opponents.h"

namespace blefino {

const OpponentParams& params_of(int who) { return who == 1 ? cpu1_params() : cpu2_params(); }

Next ComputerOpponents::move(Game& game, int who) { return opponent_move(game, params_of(who)); }

int claimed_rank_count(const Game& g, const Pile& list) {
  const int rank = selected_rank(g);
  if (rank == 0) return 0;
  int n = 0;
  for (CardCode c : list)
    if (rank_of(c) == rank) ++n;
  return n;
}

long roll_against_record(Game& g, long total) {
  g.rng.reseed();
  return total == 0 ? round_half_even(g.rng.next()) : round_half_even(total * g.rng.next());
}

namespace {

Next self(const OpponentParams& p) { return p.who == 1 ? Next::Cpu1 : Next::Cpu2; }

void lay(Game& g, const OpponentParams& p, int position) {
  Pile& hand = g.*p.hand;
  const CardCode c = hand.item(position);
  g.kon_cards.add(c);
  (g.*p.laid).add(c);
  hand.remove(position);
}

void draw_hand_of(Game& g, int who) {
  if (who == 3)
    draw_human_hand(g);
  else
    draw_cpu_hand(g, who);
}

// The believed batch was true: the round leaves the game.
Next round_to_discard(Game& g, const OpponentParams& p, std::uint64_t generation) {
  announce(g, p.announce_discard);
  if (halted(g, generation)) return Next::Stop;
  for (CardCode c : g.kon_cards) {
    g.otboy_cards.add(c);
    if (p.tells_both_memories) g.cpu1_known.add(c);
    g.cpu2_known.add(c);
  }
  g.kon_cards.clear();
  move_all(g.heap_cards, g.otboy_cards);  // never shown, so nobody remembers them
  append_copies(g.cpu1_known, g.cpu1_laid);
  append_copies(g.cpu2_known, g.cpu2_laid);
  g.cpu1_laid.clear();
  g.cpu2_laid.clear();
  clear_batch_pictures(g);
  refresh_heap(g);
  refresh_otboy(g);
  if (end_of_game_check(g)) return Next::Stop;
  return self(p);
}

Next opponent_was_wrong(Game& g, const OpponentParams& p, std::uint64_t generation) {
  announce(g, p.announce_wrong);
  if (halted(g, generation)) return Next::Stop;
  g.cpu1_laid.clear();
  g.cpu2_laid.clear();
  move_all(g.kon_cards, g.*p.hand);
  move_all(g.heap_cards, g.*p.hand);
  clear_batch_pictures(g);
  refresh_heap(g);
  draw_cpu_hand(g, p.who);
  if (end_of_game_check(g)) return Next::Stop;
  return pass_on_after(g, p.who);
}

Next lie_caught(Game& g, const OpponentParams& p, std::uint64_t generation) {
  // The taker laid the batch: the player before the answering opponent.
  int taker;
  if (p.who == 1)
    taker = g.player_out ? 2 : 3;
  else
    taker = g.cpu1_out ? 3 : 1;
  // Opponent 1 tells the human to take; opponent 2 hands the round to whoever laid it.
  announce(g, p.who == 1 ? 4 : (taker == 3 ? 6 : 5));
  if (halted(g, generation)) return Next::Stop;
  g.cpu1_laid.clear();
  g.cpu2_laid.clear();
  Pile& hand = taker == 1 ? g.cpu1_cards : taker == 2 ? g.cpu2_cards : g.player_cards;
  move_all(g.kon_cards, hand);
  move_all(g.heap_cards, hand);
  clear_batch_pictures(g);
  refresh_heap(g);
  draw_hand_of(g, taker);
  if (end_of_game_check(g)) return Next::Stop;
  return self(p);
}

}  // namespace

Next settle(Game& g, const OpponentParams& p) {
  const auto generation = g.generation;
  reveal_batch(g);
  const bool t = claim_check(g);
  p.record_result(g, t);
  const bool f = g.*p.flag;
  if (t && f) return round_to_discard(g, p, generation);
  if (t != f) return opponent_was_wrong(g, p, generation);
  return lie_caught(g, p, generation);
}

Next answer_claim(Game& g, const OpponentParams& p) {
  Pile& hand = g.*p.hand;
  OpponentStats& stats = g.stats.opponents[p.who];
  const int own = claimed_rank_count(g, hand);
  ++g.stats.moves;

  if (own >= 1) {  // it holds the claimed rank: it always adds
    push_to_heap(g);
    table_talk(g, p.talk_add);
    const bool bluff = p.bluff_when_adding(g);
    ++stats.adds;
    if (!bluff) {
      const int rank = selected_rank(g);
      for (int i = hand.count(); i >= 1; --i)
        if (rank_of(hand.item(i)) == rank) lay(g, p, i);
    } else {
      // As many cards as it holds of the rank, taken from the end of the hand,
      // where the cards it picked up in earlier rounds lie.
      ++stats.add_bluffs;
      const int k = claimed_rank_count(g, hand);
      for (int j = 0; j < k; ++j) lay(g, p, hand.count());
    }
    draw_batch(g);
    draw_cpu_hand(g, p.who);
    return pass_on_after(g, p.who);
  }

  if (!hand.empty() && g.cpu_rnd == 0) {  // now and then it adds blind
    push_to_heap(g);
    g.rng.reseed();
    const int x = round_half_even(9 * g.rng.next());
    const int k = (hand.count() >= 2 && x < 4) ? 2 : 1;
    for (int j = k; j >= 1; --j) lay(g, p, j);
    ++stats.blind_adds;
    draw_batch(g);
    draw_cpu_hand(g, p.who);
    table_talk(g, p.talk_add);
    return pass_on_after(g, p.who);
  }

  p.decide_answer(g);
  ++(g.*p.flag ? stats.veru : stats.neveru);
  return settle(g, p);
}

bool lead(Game& g, const OpponentParams& p) {
  Pile& hand = g.*p.hand;
  table_talk(g, p.talk_lead);

  // One entry (the group's first card) per rank held exactly twice or three times.
  struct Groups {
    std::array<CardCode, 9> first{};
    int count = 0;
    void add(CardCode c) { first[static_cast<std::size_t>(count++)] = c; }
  } pairs, triples;
  g.pick_rest.clear();
  g.cpu_pick_done = false;
  int four_rank = 0;
  append_copies(g.pick_rest, hand);

  // Group the hand by rank, in the order each rank first appears.
  do {
    g.pick_group.clear();
    if (!g.pick_rest.empty()) {
      const int r1 = rank_of(g.pick_rest.item(1));
      for (int j = g.pick_rest.count(); j >= 1; --j) {
        if (rank_of(g.pick_rest.item(j)) == r1) {
          g.pick_group.add(g.pick_rest.item(j));
          g.pick_rest.remove(j);
        }
      }
    }
    switch (g.pick_group.count()) {
      case 4:
        four_rank = rank_of(g.pick_group.item(1));
        g.cpu_pick_done = true;
        break;
      case 3: triples.add(g.pick_group.item(1)); g.cpu_pick_done = false; break;
      case 2: pairs.add(g.pick_group.item(1)); g.cpu_pick_done = false; break;
      default: break;
    }
  } while (!g.pick_rest.empty() && !g.cpu_pick_done);

  g.rng.reseed();
  // Entries 1..n, the two ends half as likely as those between.
  auto pick_index = [&](int n) { return round_half_even(1 + g.rng.next() * (n - 1)); };
  int rank;
  if (four_rank != 0)
    rank = four_rank;
  else if (triples.count > 0)
    rank = rank_of(triples.first[static_cast<std::size_t>(pick_index(triples.count) - 1)]);
  else if (pairs.count > 0)
    rank = rank_of(pairs.first[static_cast<std::size_t>(pick_index(pairs.count) - 1)]);
  else if (hand.empty())
    return false;
  else
    rank = rank_of(hand.item(pick_index(hand.count())));

  const bool bluff = p.bluff_when_leading(g);
  select_rank(g, rank);  // the claim is made before any card is laid
  for (int i = hand.count(); i >= 1; --i) {
    if (rank_of(hand.item(i)) != rank) continue;
    lay(g, p, bluff ? hand.count() : i);
  }
  OpponentStats& stats = g.stats.opponents[p.who];
  ++stats.leads;
  if (bluff) ++stats.lead_bluffs;
  ++g.stats.moves;
  return true;
}

Next opponent_move(Game& g, const OpponentParams& p) {
  table_talk(g, p.talk_start);
  lock_controls(g, "my_cards", true);
  lock_controls(g, "options", true);
  g.m.Chesspiece.top = p.marker_top;
  g.m.Chesspiece.left = p.marker_left;
  g.rng.reseed();
  g.cpu_rnd = static_cast<std::int16_t>(round_half_even(9 * g.rng.next()));

  if (p.impossible_claim && p.impossible_claim(g)) {
    ++g.stats.moves;
    return settle(g, p);
  }
  if (g.kon_cards.empty()) {
    lead(g, p);
    draw_batch(g);
    draw_cpu_hand(g, p.who);
    return pass_on_after(g, p.who);
  }
  return answer_claim(g, p);
}

}  // namespace blefino
