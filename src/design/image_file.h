#pragma once
// Pictures loaded from disk for an image object: metafiles are kept as
// they are; everything else is decoded (Qt's readers, and our own for PCX
// and TGA) and kept as a bitmap.
#include <QString>

#include "design/stored_picture.h"

namespace pc::design {

// The patterns the image file picker offers.
QStringList imageFilePatterns();

// The picture in the file; an empty picture and false when the file cannot
// be read, is damaged, too large or of a kind we do not read.
bool loadImageFile(const QString& path, StoredPicture& picture);

}  // namespace pc::design
