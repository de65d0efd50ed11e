#include "tools/sim/scripted.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

#include "core/table_view.h"

namespace blefino::sim {

bool parse_policy(const std::string& name, Policy& out) {
  if (name == "random")
    out = Policy::Random;
  else if (name == "trusting")
    out = Policy::Trusting;
  else if (name == "doubting")
    out = Policy::Doubting;
  else if (name == "honest")
    out = Policy::Honest;
  else if (name == "sensible")
    out = Policy::Sensible;
  else
    return false;
  return true;
}

const char* policy_name(Policy p) {
  switch (p) {
    case Policy::Random:
      return "random";
    case Policy::Trusting:
      return "trusting";
    case Policy::Doubting:
      return "doubting";
    case Policy::Honest:
      return "honest";
    case Policy::Sensible:
      return "sensible";
  }
  return "?";
}

bool parse_level(const std::string& name, Level& out) {
  if (name == "default")
    out = Level::Default;
  else if (name == "experienced")
    out = Level::Experienced;
  else
    return false;
  return true;
}

const char* level_name(Level level) {
  return level == Level::Experienced ? "experienced" : "default";
}

Answer ScriptedHost::message(const std::string& text, const std::string& title, Icon icon,
                             Buttons buttons) {
  if (keep_messages) shown.push_back({text, title, icon, buttons});
  if (record) record->push_back("окно «" + title + "»: " + text);
  if (asks_yes_no(buttons)) {
    ++games_finished;
    pauses_this_game = 0;
    return games_finished < games_wanted_ ? Answer::Yes : Answer::No;
  }
  return Answer::Ok;
}

namespace {

int seat_number(Seat s) { return static_cast<int>(s) + 1; }  // 1, 2, 3 as the figures name them

}  // namespace

void Tally::dealt(Seat first, int portrait1, int portrait2) {
  ++stats.games;
  ++stats.first_mover[static_cast<std::size_t>(seat_number(first))];
  ++stats.opponent_rows[1][static_cast<std::size_t>(portrait1)];
  ++stats.opponent_rows[2][static_cast<std::size_t>(portrait2)];
}

void Tally::played(Seat who, Play what) {
  ++stats.moves;  // every move and every answer counts once
  if (who == Seat::Human) return;
  OpponentStats& o = stats.opponents[static_cast<std::size_t>(seat_number(who))];
  switch (what) {
    case Play::LedBluff:
      ++o.lead_bluffs;
      [[fallthrough]];
    case Play::Led:
      ++o.leads;
      break;
    case Play::AddedBluff:
      ++o.add_bluffs;
      [[fallthrough]];
    case Play::Added:
      ++o.adds;
      break;
    case Play::AddedBlind:
      ++o.blind_adds;
      break;
    case Play::Believed:
      ++o.veru;
      break;
    case Play::Doubted:
      ++o.neveru;
      break;
    case Play::RefusedImpossible:
      ++o.impossible;
      break;
    case Play::Opened:
      break;
  }
}

void Recorder::dealt(Seat first, int, int) {
  words_.dealt(first, 0, 0);
  lines_.push_back("сдача: " + g_.seat(Seat::Cpu1).name + " и " + g_.seat(Seat::Cpu2).name +
                   ", первый ход: " + (first == Seat::Human ? "игрок" : g_.seat(first).name));
}

void Recorder::played(Seat who, Play what) {
  words_.played(who, what);
  for (std::string& line : words_.take_new()) {
    // What lies face down, for the record's reader.
    if (what != Play::Believed && what != Play::Doubted && what != Play::RefusedImpossible) {
      line += " [";
      for (int i = 1; i <= g_.batch.count(); ++i)
        line += (i > 1 ? ", " : "") + card_words(g_.batch.item(i));
      line += "]";
    }
    lines_.push_back(std::move(line));
  }
}

void Recorder::handed_over() {
  lines_.push_back("ход игрока: " + line_text(g_.seat(Seat::Human).said));
}

void Tally::ended(Result result) {
  switch (result) {
    case Result::Win:
      ++stats.wins;
      break;
    case Result::Loss:
      ++stats.losses;
      break;
    case Result::Draw:
      ++stats.draws;
      break;
  }
}

void ScriptedHuman::lay(Game& g, int position) {
  note("кладёт " + card_words(g.hand(Seat::Human).item(position)));
  const int before = g.hand(Seat::Human).count();
  press_card(g, position);
  if (!g.stopped && g.hand(Seat::Human).count() == before && g.raised_slot == position)
    press_card(g, position);
}

bool ScriptedHuman::act(Game& g) {
  switch (policy_) {
    case Policy::Random:
      return act_random(g);
    case Policy::Trusting:
      return act_answering(g, true);
    case Policy::Doubting:
      return act_answering(g, false);
    case Policy::Honest:
      return act_honest(g);
    case Policy::Sensible:
      return act_sensible(g);
  }
  return false;
}

bool ScriptedHuman::act_random(Game& g) {
  // Every action an enabled control allows, each as likely as the others.
  // Laying a card (pressing it until it leaves the hand) is one action; a
  // fifth card in one move is not allowed, so it is not offered.
  std::array<std::uint8_t, 37> cards;
  std::array<std::uint8_t, 10> ranks;
  int nc = 0, nr = 0;
  const bool batch_full = g.batch.count() >= 4 && !g.answer_awaited;
  for (int i = 1; i <= g.hand(Seat::Human).count() && !batch_full; ++i)
    if (can_press_card(g, i)) cards[static_cast<std::size_t>(nc++)] = static_cast<std::uint8_t>(i);
  for (int k = 1; k <= 9; ++k)
    if (can_pick_rank(g, k)) ranks[static_cast<std::size_t>(nr++)] = static_cast<std::uint8_t>(k);
  const bool main = can_press_main(g), show = can_show_cards(g);
  const bool veru = can_answer(g), neveru = veru;
  const int n = nc + nr + main + show + veru + neveru;
  if (n == 0) return false;
  int a = pick(n);
  if (a < nc) return lay(g, cards[static_cast<std::size_t>(a)]), true;
  a -= nc;
  if (a < nr) {
    note("заявка " + std::string(kRankCaptions[ranks[static_cast<std::size_t>(a)]]));
    return click_rank(g, ranks[static_cast<std::size_t>(a)]), true;
  }
  a -= nr;
  if (main && a-- == 0) return note("«Нажмите на кнопку»"), press_main(g), true;
  if (show && a-- == 0) return note("«Открыть карты»"), press_show_cards(g), true;
  if (veru && a-- == 0) return note("«Верю»"), press_veru(g), true;
  note("«Не верю»");
  press_neveru(g);
  return true;
}

// Answers every claim the same way; opens rounds with one random card.
bool ScriptedHuman::act_answering(Game& g, bool believe) {
  if (can_answer(g)) {
    note(believe ? "«Верю»" : "«Не верю»");
    believe ? press_veru(g) : press_neveru(g);
    return true;
  }
  if (can_press_main(g)) {
    note("«Нажмите на кнопку»");
    press_main(g);
    return true;
  }
  if (can_press_card(g, 1) && can_pick_rank(g, 1)) {
    lay(g, 1 + pick(g.hand(Seat::Human).count()));
    return true;
  }
  return false;
}

// Opens rounds with all its cards of one rank, claiming that rank; believes every claim.
bool ScriptedHuman::act_honest(Game& g) {
  if (can_answer(g)) {
    note("«Верю»");
    press_veru(g);
    return true;
  }
  if (can_press_main(g)) {
    note("«Нажмите на кнопку»");
    press_main(g);
    return true;
  }
  if (!can_press_card(g, 1) || !can_pick_rank(g, 1)) return false;
  lay_rank(g, rank_of(g.hand(Seat::Human).item(1 + pick(g.hand(Seat::Human).count()))));
  return true;
}

void ScriptedHuman::lay_rank(Game& g, int rank) {
  for (int laid = 0; laid < 4 && !g.stopped; ++laid) {
    int position = 0;
    for (int i = 1; i <= g.hand(Seat::Human).count(); ++i)
      if (rank_of(g.hand(Seat::Human).item(i)) == rank) position = i;
    if (position == 0) break;
    lay(g, position);
  }
}

// Plays as a sensible newcomer: opens with the rank it holds most of and
// claims it, keeping pairs and triples together; lays what it holds of a
// claimed rank on the claim; doubts a claim its own hand proves false, and a
// claim of two cards or more of a rank it holds none of; believes the rest.
// (The claim and the number of cards laid under it are in plain sight.)
bool ScriptedHuman::act_sensible(Game& g) {
  const Pile& hand = g.hand(Seat::Human);
  std::array<int, 10> held{};
  for (CardCode c : hand) ++held[static_cast<std::size_t>(rank_of(c))];
  if (can_answer(g)) {
    const int mine = held[static_cast<std::size_t>(g.claimed_rank)];
    if (mine + g.batch.count() > 4)
      press_neveru(g);
    else if (mine > 0)
      lay_rank(g, g.claimed_rank);
    else if (g.batch.count() >= 2 ||
             (getenv("WARY") && g.heap.count() + g.batch.count() >= std::atoi(getenv("WARY"))))
      press_neveru(g);
    else
      press_veru(g);
    return true;
  }
  if (can_press_main(g)) {
    press_main(g);
    return true;
  }
  if (!can_press_card(g, 1) || !can_pick_rank(g, 1)) return false;
  std::array<int, 9> most{};
  int n = 0;
  const int top = *std::max_element(held.begin(), held.end());
  for (int r = 1; r <= 9; ++r)
    if (held[static_cast<std::size_t>(r)] == top) most[static_cast<std::size_t>(n++)] = r;
  lay_rank(g, most[static_cast<std::size_t>(pick(n))]);
  return true;
}

RunResult run(std::uint64_t games, std::uint64_t seed, Policy policy,
              const std::function<void(const Game&)>& after_step, Level level,
              std::vector<std::string>* record) {
  RunResult result;
  if (games == 0) return result;
  ScriptedHost host(games);
  MtRandom rng(seed);
  ComputerOpponents opponents;
  Game g(host, rng, opponents);
  Tally tally;
  std::optional<Recorder> recorder;
  if (record) recorder.emplace(g, *record);
  Observers observers{&tally, recorder ? &*recorder : nullptr};
  g.observer = &observers;
  g.settings.player_name = "Игрок";
  g.level = level;
  ScriptedHuman human(policy, seed ^ 0x9E3779B97F4A7C15ULL);
  host.record = human.record = record;

  try {
    new_game(g);
    if (after_step) after_step(g);
    std::uint64_t game = g.generation, calls_this_game = 0;
    while (!g.stopped) {
      if (!human.act(g)) {
        result.fault = "the human was left with no action";
        break;
      }
      ++result.handler_calls;
      if (g.generation != game) game = g.generation, calls_this_game = 0;
      if (++calls_this_game > 1'000'000) {
        result.fault = "a game that does not end";
        break;
      }
      if (after_step) after_step(g);
    }
  } catch (const std::runtime_error& e) {
    result.fault = e.what();
  }
  result.stats = tally.stats;
  return result;
}

}  // namespace blefino::sim
