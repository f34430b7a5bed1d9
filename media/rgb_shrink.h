// Shrinks a picture by whole factors, each pixel the average of its box of factorX x factorY
// pixels (the boxes at the right and bottom edges may be smaller). Used to bring a huge picture
// near the size it is shown at without a second full-size copy, which a general scaler makes.
#pragma once

#include "rgb_image.h"

namespace zavkari {

RgbImage shrinkRgb(const RgbImage& picture, int factorX, int factorY);

}  // namespace zavkari
