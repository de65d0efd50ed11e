#pragma once
// The table for screen readers: every control and card has a Russian name and
// a role, and what the table says aloud (the speech lines, the claim) is
// announced when it changes.

#include <QString>

namespace blefino {

class CarddeskTable;

namespace access {

// Makes Qt ask us for the table's accessible interface. Idempotent.
void install();

// After the table has shown the model: renames what changed and tells
// assistive technology.
void model_shown(CarddeskTable& table);

// An opponent's move told in words: the table's status line takes it as its
// name, and assistive technology is told, even when it repeats the last one.
void announce(CarddeskTable& table, const QString& sentence);

// The keyboard moved in the human's hand, or the hand got or lost the focus.
void focus_moved(CarddeskTable& table);

// A card picture as a player names it: "Дама пик", "10 червей"; a back is "карта".
QString card_name(int picture);

}  // namespace access
}  // namespace blefino
