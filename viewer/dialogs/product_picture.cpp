#include "dialogs/product_picture.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace vantor {

namespace {

// Draws `text` at `pixels` high, smaller when a wide fallback font would
// not fit it into `box`.
void DrawFittedText(QPainter& p, QFont font, double pixels, const QRectF& box,
                    const QString& text) {
    font.setPixelSize(std::max(1, int(pixels)));
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    if (width > box.width()) font.setPixelSize(std::max(1, int(pixels * box.width() / width)));
    p.setFont(font);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace

QPixmap ProductPicture(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(18, 32, 74));
    sky.setColorAt(1, QColor(70, 110, 170));
    p.fillRect(pixmap.rect(), sky);

    // An isometric block with a bore: three faces lit from the upper left.
    const double s = h * 0.28;
    const QPointF c(w * 0.27, h * 0.48);
    const QPointF t(c.x(), c.y() - s), tr(c.x() + s * 0.87, c.y() - s * 0.5),
        br(c.x() + s * 0.87, c.y() + s * 0.5), b(c.x(), c.y() + s),
        bl(c.x() - s * 0.87, c.y() + s * 0.5), tl(c.x() - s * 0.87, c.y() - s * 0.5);
    p.setPen(QPen(QColor(20, 20, 30), 1));
    p.setBrush(QColor(200, 205, 215));
    p.drawPolygon(QPolygonF({tl, t, tr, c}));
    p.setBrush(QColor(150, 158, 172));
    p.drawPolygon(QPolygonF({tl, c, b, bl}));
    p.setBrush(QColor(110, 118, 135));
    p.drawPolygon(QPolygonF({c, tr, br, b}));
    p.setBrush(QColor(40, 44, 60));
    p.drawEllipse(QPointF(c.x(), c.y() - s * 0.5), s * 0.35, s * 0.2);

    QFont title;
    title.setBold(true);
    p.setPen(Qt::white);
    DrawFittedText(p, title, h * 0.2, QRectF(w * 0.5, h * 0.22, w * 0.47, h * 0.3),
                   QStringLiteral("Vantor3D"));
    p.setPen(QColor(210, 225, 255));
    DrawFittedText(p, QFont(), h * 0.09, QRectF(w * 0.5, h * 0.52, w * 0.47, h * 0.2),
                   QStringLiteral("Korvalde 2.10"));
    p.end();
    return pixmap;
}

}  // namespace vantor
