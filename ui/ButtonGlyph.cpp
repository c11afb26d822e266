#include "ui/ButtonGlyph.h"

#include <QBitmap>
#include <QPixmap>

namespace {

QPixmap WithTransparentBackground(const QImage& picture, QRgb background) {
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setMask(QBitmap::fromImage(picture.createMaskFromColor(background, Qt::MaskInColor)));
    return pixmap;
}

} // namespace

QIcon ButtonGlyph(const QImage& strip) {
    const int side = strip.height();
    const QRgb background = strip.pixel(0, side - 1);
    QIcon icon;
    icon.addPixmap(WithTransparentBackground(strip.copy(0, 0, side, side), background),
                   QIcon::Normal);
    icon.addPixmap(WithTransparentBackground(strip.copy(side, 0, side, side), background),
                   QIcon::Disabled);
    return icon;
}
