#include "labels/stock_art.h"

#include <QDir>

// Resources of a static library are registered by hand.
static void initStockArt() {
    Q_INIT_RESOURCE(stock_art);
}

namespace pc::labels {

namespace {

const QString kPrefix = QStringLiteral(":/stock_art/");

void ensureResources() {
    static const bool done = [] {
        initStockArt();
        return true;
    }();
    (void)done;
}

}  // namespace

QStringList stockArtNames() {
    ensureResources();
    return QDir(kPrefix).entryList(QDir::Files, QDir::Name);
}

QImage stockArtPicture(const QString& artName) {
    ensureResources();
    const QString name = artName.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    if (name.isEmpty()) return {};
    return QImage(kPrefix + name);
}

QImage stockArtBackdrop(const QString& artName, const QSize& labelPixels) {
    const QImage picture = stockArtPicture(artName);
    if (picture.isNull() || labelPixels.isEmpty()) return {};
    QImage image = picture.convertToFormat(QImage::Format_Grayscale8)
                       .scaled(labelPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage result(labelPixels, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* in = image.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out[x] = in[x] < 192 ? qRgb(0xC0, 0xC0, 0xC0) : qRgb(0xFF, 0xFF, 0xFF);
        }
    }
    return result;
}

}  // namespace pc::labels
