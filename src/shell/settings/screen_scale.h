#pragma once

namespace tarvo::shell {

// Windows opened from the main window are enlarged by the screen scale factor: by its percentage,
// rounded, and centred; a factor whose percentage is 100 changes nothing.
int scalePercent(double factor);
bool scalingNeeded(double factor);
// A length (a grid column's width) enlarged by the factor, rounded.
int scaledLength(int length, double factor);

}  // namespace tarvo::shell
