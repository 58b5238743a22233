#pragma once

#include "CardList.h"

#include <QImage>

// Card pictures. Everything is laid out on the 66 x 108 card and painted at
// `scale` times that size, so the title art can reuse the same drawing larger.
namespace cards {

constexpr int kWidth = 66;
constexpr int kHeight = 108;

// Player 1 (red) faces have diagonal stripes and round gems, player 2 (blue)
// faces a checker pattern and square gems, so the colours differ by more than hue.
QImage face(const CardRow& card, bool red, double scale = 1.0);
QImage back(bool red, double scale = 1.0);

} // namespace cards
