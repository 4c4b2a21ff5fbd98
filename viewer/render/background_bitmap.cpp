#include "render/background_bitmap.h"

#include <QImage>
#include <QImageReader>
#include "prompt/translate.h"

namespace vantor {

const char* const kBitmapRefusedMessage = VANTOR_TRANSLATE_NOOP(
    "Render",
    "このバージョンでサポートしているのは１辺のピクセル数が２のべき乗(16以上1024以下)の正方形"
    "IndexedColorビットマップのみです。");

namespace {

bool AcceptedSide(int side) {
    for (int s = 16; s <= 1024; s *= 2)
        if (side == s) return true;
    return false;
}

}  // namespace

BitmapLoad LoadBackgroundBitmap(const std::string& path, RenderSettings& settings) {
    QImageReader reader(QString::fromStdString(path));
    QImage image = reader.read();
    if (image.isNull()) return BitmapLoad::Unreadable;
    // Only images with a colour table qualify; true-colour ones are refused.
    if (image.colorTable().isEmpty() || image.width() != image.height() ||
        !AcceptedSide(image.width()))
        return BitmapLoad::Refused;
    if (image.format() != QImage::Format_Indexed8)
        image = image.convertToFormat(QImage::Format_Indexed8, image.colorTable());
    const QList<QRgb> table = image.colorTable();
    const int side = image.width();
    BackgroundBitmap bitmap;
    bitmap.side = side;
    bitmap.indices.resize(size_t(side) * size_t(side));
    // Texture rows run bottom-up.
    for (int y = 0; y < side; ++y) {
        const uchar* line = image.constScanLine(side - 1 - y);
        std::copy(line, line + side, bitmap.indices.begin() + ptrdiff_t(y) * side);
    }
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        settings.redMap[i] = qRed(c) / 255.0f;
        settings.greenMap[i] = qGreen(c) / 255.0f;
        settings.blueMap[i] = qBlue(c) / 255.0f;
    }
    settings.backgroundBitmap = std::move(bitmap);
    settings.useBackgroundBitmap = 1;
    return BitmapLoad::Loaded;
}

}  // namespace vantor
