#include "about/emblem.h"

#include <QPainter>
#include <QPainterPath>

namespace about {

QPixmap drawEmblem(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 56.0, size / 56.0);

    // Pot.
    p.setPen(QPen(QColor(110, 60, 30), 1));
    p.setBrush(QColor(178, 96, 52));
    QPainterPath pot;
    pot.moveTo(17, 40);
    pot.lineTo(39, 40);
    pot.lineTo(36, 54);
    pot.lineTo(20, 54);
    pot.closeSubpath();
    p.drawPath(pot);
    p.drawRect(QRectF(15, 37, 26, 4));

    // Stem.
    p.setPen(QPen(QColor(34, 110, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, 37), QPointF(28, 12));

    // Leaves, in pairs up the stem.
    p.setPen(QPen(QColor(20, 90, 30), 1));
    const auto leaf = [&p](QPointF base, qreal angle, qreal length, const QColor& colour) {
        p.save();
        p.translate(base);
        p.rotate(angle);
        QPainterPath path;
        path.moveTo(0, 0);
        path.quadTo(length / 2, -length / 3, length, 0);
        path.quadTo(length / 2, length / 3, 0, 0);
        p.setBrush(colour);
        p.drawPath(path);
        p.restore();
    };
    leaf({28, 32}, -20, 18, QColor(60, 160, 60));
    leaf({28, 32}, 200, 18, QColor(50, 145, 55));
    leaf({28, 22}, -35, 15, QColor(80, 180, 70));
    leaf({28, 22}, 215, 15, QColor(70, 170, 65));
    leaf({28, 13}, -80, 12, QColor(100, 195, 80));
    return pixmap;
}

} // namespace about
