#include "ui/form/window_base.h"

#include <cstdlib>

namespace korvel::form {

int Pixels(int twips, int dpi) {
  const long long scaled = static_cast<long long>(std::abs(twips)) * dpi;
  const int pixels = static_cast<int>((scaled + 720) / 1440);
  return twips < 0 ? -pixels : pixels;
}

double LabelPoints(const std::function<bool(double points)>& fits) {
  double points = kLabelPoints;
  while (points > 8 && !fits(points)) points -= 0.5;
  return points;
}

}  // namespace korvel::form
