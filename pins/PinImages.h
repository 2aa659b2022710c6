#pragma once

#include <QPixmap>

// The program's pictures by image id, decoded once on first use and kept for the
// whole run: the poll redraws discs twenty times a second on slow machines.
namespace PinImages {

const QPixmap& Get(int imageId);

// How many images have been decoded so far; a steady program stops counting.
int LoadCount();

} // namespace PinImages
