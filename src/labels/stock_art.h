#pragma once
// The stock pictures built into the program ("AV" + stock number): an
// outline of one label of the stock, shown behind a design.
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace pc::labels {

// The names of all stock pictures.
QStringList stockArtNames();
// The picture an ART value names (up to its first ".", any letter case);
// null when there is none.
QImage stockArtPicture(const QString& artName);
// The picture as a design shows it: scaled to the label's pixels, its dark
// parts silver and its light parts white. Null when there is no picture or
// the size is empty.
QImage stockArtBackdrop(const QString& artName, const QSize& labelPixels);

}  // namespace pc::labels
