#include "shell/settings/screen_scale.h"

#include <cmath>

namespace tarvo::shell {

int scalePercent(double factor) { return static_cast<int>(std::lround(factor * 100)); }

bool scalingNeeded(double factor) { return scalePercent(factor) != 100; }

int scaledLength(int length, double factor) { return static_cast<int>(std::lround(length * factor)); }

}  // namespace tarvo::shell
