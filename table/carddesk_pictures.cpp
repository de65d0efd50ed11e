#include "table/carddesk_pictures.h"

#include <algorithm>

#include "pictures/form1.h"

namespace blefino {

namespace {

// Of a 16 ms frame, what drawing new pictures may take; the cloth, the
// blits and the controls need the rest. An idle pass takes about as long,
// so a resize arriving meanwhile waits little.
constexpr qint64 kFrameBudgetNs = 4'000'000;
constexpr qint64 kIdleBudgetNs = 2'000'000;

}  // namespace

TablePictures::TablePictures(std::function<void()> ready, QObject* parent)
    : QObject(parent), ready_(std::move(ready)) {
  idle_.setSingleShot(true);
  idle_.setInterval(0);
  connect(&idle_, &QTimer::timeout, this, &TablePictures::drawLater);
  frame_.start();
}

void TablePictures::beginFrame() { frame_.restart(); }

TablePictures::Picture TablePictures::get(int element, QSize logical, qreal density) {
  if (!form1::has_card(element)) return {};
  if (logical.isEmpty()) logical = form1::card_size(element);
  if (density != density_) {
    // What was sharp becomes the stand-in for the new scale.
    for (auto& [key, pm] : sharp_) previous_[key] = std::move(pm);
    sharp_.clear();
    later_.clear();
    density_ = density;
  }
  const Key key{element, logical.width(), logical.height()};
  if (auto it = sharp_.find(key); it != sharp_.end()) return {it->second, true};

  // Already in the store, or time left in this frame, or nothing to stand in.
  QPixmap pm = form1::card_if_drawn(element, logical, density);
  const auto stand_in = previous_.find(key);
  if (pm.isNull() && (frame_.nsecsElapsed() < kFrameBudgetNs || stand_in == previous_.end()))
    pm = form1::card(element, logical, density);
  if (!pm.isNull()) return {sharp_[key] = pm, true};
  if (stand_in == previous_.end()) return {};  // the store cannot draw it at all

  if (std::find(later_.begin(), later_.end(), key) == later_.end()) later_.push_back(key);
  if (!idle_.isActive()) idle_.start();
  return {stand_in->second, false};
}

void TablePictures::drawLater() {
  QElapsedTimer spent;
  spent.start();
  while (!later_.empty() && spent.nsecsElapsed() < kIdleBudgetNs) {
    const auto [element, w, h] = later_.back();
    later_.pop_back();
    sharp_[{element, w, h}] = form1::card(element, QSize(w, h), density_);
  }
  if (!later_.empty())
    idle_.start();
  else if (ready_)
    ready_();
}

}  // namespace blefino
