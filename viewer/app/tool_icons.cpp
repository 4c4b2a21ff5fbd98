#include "app/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

#include "commands/command_ids.h"

namespace vantor {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

const QColor kInk(24, 24, 96);
const QColor kAccent(200, 40, 40);

// A straight arrow from (x0, y0) to (x1, y1) with a filled head.
void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 1.6));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0) return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to << to - u * 4.5 + n * 3.0 << to - u * 4.5 - n * 3.0;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

// A curved arrow around the centre, from angle a0 sweeping `sweep` degrees.
void TurnArrow(QPainter& p, double a0, double sweep, bool flatX, const QColor& colour) {
    const QRectF box = flatX ? QRectF(2, 4, 12, 7) : QRectF(4.5, 1.5, 7, 12);
    QPainterPath path;
    path.arcMoveTo(box, a0);
    path.arcTo(box, a0, sweep);
    p.setPen(QPen(colour, 1.6));
    p.drawPath(path);
    const QPointF end = path.currentPosition();
    const QPointF before = path.pointAtPercent(0.85);
    Arrow(p, before, end, colour);
}

void Letter(QPainter& p, const QString& text, const QColor& colour, int pixelSize = 9) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(0, 0, kWidth, kHeight), Qt::AlignCenter, text);
}

void Page(QPainter& p) {
    QPolygonF sheet;
    sheet << QPointF(3, 1) << QPointF(10, 1) << QPointF(13, 4) << QPointF(13, 14) << QPointF(3, 14);
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.drawLine(QPointF(10, 1), QPointF(10, 4));
    p.drawLine(QPointF(10, 4), QPointF(13, 4));
    p.setBrush(Qt::NoBrush);
}

void Folder(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 4.5, 12, 8));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
    p.setBrush(Qt::NoBrush);
    Arrow(p, QPointF(10, 9), QPointF(14, 3), kAccent);
}

void Cube(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour, 1));
    p.drawRect(QRectF(2.5, 5.5, 7, 7));
    p.drawLine(QPointF(2.5, 5.5), QPointF(6.5, 1.5));
    p.drawLine(QPointF(9.5, 5.5), QPointF(13.5, 1.5));
    p.drawLine(QPointF(9.5, 12.5), QPointF(13.5, 8.5));
    p.drawLine(QPointF(6.5, 1.5), QPointF(13.5, 1.5));
    p.drawLine(QPointF(13.5, 1.5), QPointF(13.5, 8.5));
}

void Magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(kInk, 1.5));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.drawLine(QPointF(9, 9), QPointF(14.5, 14));
    p.setPen(QPen(kAccent, 1.5));
    p.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
    if (plus) p.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
}

void Draw(QPainter& p, int id) {
    switch (id) {
        case cmd::kFileNew:
            Page(p);
            break;
        case cmd::kFileOpen:
            Folder(p);
            break;
        case cmd::kMoveLeft:
            Arrow(p, QPointF(14, 7.5), QPointF(1, 7.5), kInk);
            break;
        case cmd::kMoveRight:
            Arrow(p, QPointF(2, 7.5), QPointF(15, 7.5), kInk);
            break;
        case cmd::kMoveUp:
            Arrow(p, QPointF(8, 14), QPointF(8, 1), kInk);
            break;
        case cmd::kMoveDown:
            Arrow(p, QPointF(8, 1), QPointF(8, 14), kInk);
            break;
        case cmd::kMoveZFar:
            Arrow(p, QPointF(2, 13), QPointF(12, 3), kInk);
            Letter(p, QStringLiteral("Z"), kAccent, 7);
            break;
        case cmd::kMoveZNear:
            Arrow(p, QPointF(12, 3), QPointF(2, 13), kInk);
            Letter(p, QStringLiteral("Z"), kAccent, 7);
            break;
        case cmd::kTurnXPlus:
            TurnArrow(p, 180, -200, false, kInk);
            break;
        case cmd::kTurnXMinus:
            TurnArrow(p, 180, 200, false, kInk);
            break;
        case cmd::kTurnYPlus:
            TurnArrow(p, 270, 200, true, kInk);
            break;
        case cmd::kTurnYMinus:
            TurnArrow(p, 270, -200, true, kInk);
            break;
        case cmd::kRollZPlus:
            TurnArrow(p, 90, -280, false, kAccent);
            break;
        case cmd::kRollZMinus:
            TurnArrow(p, 90, 280, false, kAccent);
            break;
        case cmd::kZoomIn:
            Magnifier(p, true);
            break;
        case cmd::kZoomOut:
            Magnifier(p, false);
            break;
        case cmd::kReset:
            Cube(p, kInk);
            Letter(p, QStringLiteral("R"), kAccent, 8);
            break;
        case cmd::kDefault:
            Cube(p, kInk);
            Letter(p, QStringLiteral("D"), kAccent, 8);
            break;
        case cmd::kRepaint:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(120, 180, 240));
            p.drawRect(QRectF(1.5, 2.5, 13, 10));
            p.setBrush(Qt::NoBrush);
            TurnArrow(p, 90, 270, false, kAccent);
            break;
        case cmd::kFront:
            Letter(p, QStringLiteral("F"), kInk, 11);
            break;
        case cmd::kTop:
            Letter(p, QStringLiteral("T"), kInk, 11);
            break;
        case cmd::kSide:
            Letter(p, QStringLiteral("S"), kInk, 11);
            break;
        case cmd::kTurn180:
            Arrow(p, QPointF(2, 5), QPointF(14, 5), kInk);
            Arrow(p, QPointF(14, 11), QPointF(2, 11), kAccent);
            break;
        default:
            Letter(p, QStringLiteral("?"), kInk);
            break;
    }
}

}  // namespace

QIcon ToolIcon(int commandId) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter, commandId);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace vantor
