#pragma once

#include <QImage>

// Renders one of each skinned control, on the program's faces, into one picture:
// the way to look at the whole skin at once.
QImage renderSkinGallery();
