#include "app/windows/StateImages.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void drawWarning(QPainter& p, qreal s) {
    QPainterPath triangle;
    triangle.moveTo(s * 0.5, s * 0.06);
    triangle.lineTo(s * 0.97, s * 0.92);
    triangle.lineTo(s * 0.03, s * 0.92);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0x80, 0x60, 0x00), s * 0.07));
    p.setBrush(QColor(0xFF, 0xD4, 0x00));
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(s * 0.44, s * 0.32, s * 0.12, s * 0.36));
    p.drawEllipse(QRectF(s * 0.43, s * 0.73, s * 0.14, s * 0.13));
}

void drawCheck(QPainter& p, qreal s) {
    QPainterPath check;
    check.moveTo(s * 0.1, s * 0.52);
    check.lineTo(s * 0.4, s * 0.82);
    check.lineTo(s * 0.92, s * 0.18);
    QPen pen(QColor(0x00, 0x99, 0x22), s * 0.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(check);
}

void drawDatabase(QPainter& p, qreal s) {
    const QColor body(0x3A, 0x6E, 0xC8), edge(0x1A, 0x3A, 0x7A), top(0x8C, 0xB4, 0xF0);
    const qreal left = s * 0.15, width = s * 0.7, capH = s * 0.22;
    p.setPen(QPen(edge, s * 0.06));
    p.setBrush(body);
    QPainterPath cylinder;
    cylinder.moveTo(left, s * 0.2);
    cylinder.lineTo(left, s * 0.8);
    cylinder.arcTo(QRectF(left, s * 0.8 - capH / 2, width, capH), 180, 180);
    cylinder.lineTo(left + width, s * 0.2);
    p.drawPath(cylinder);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(left, s * 0.4 - capH / 2, width, capH), 180 * 16, 180 * 16);
    p.drawArc(QRectF(left, s * 0.6 - capH / 2, width, capH), 180 * 16, 180 * 16);
    p.setBrush(top);
    p.drawEllipse(QRectF(left, s * 0.2 - capH / 2, width, capH));
}

void drawHourglass(QPainter& p, qreal s) {
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x10), s * 0.08));
    p.drawLine(QPointF(s * 0.18, s * 0.08), QPointF(s * 0.82, s * 0.08));
    p.drawLine(QPointF(s * 0.18, s * 0.92), QPointF(s * 0.82, s * 0.92));
    QPainterPath glass;
    glass.moveTo(s * 0.25, s * 0.12);
    glass.lineTo(s * 0.75, s * 0.12);
    glass.lineTo(s * 0.54, s * 0.5);
    glass.lineTo(s * 0.75, s * 0.88);
    glass.lineTo(s * 0.25, s * 0.88);
    glass.lineTo(s * 0.46, s * 0.5);
    glass.closeSubpath();
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), s * 0.05));
    p.setBrush(QColor(0xE8, 0xF4, 0xFF));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0xA8, 0x30));
    QPainterPath sand;
    sand.moveTo(s * 0.33, s * 0.24);
    sand.lineTo(s * 0.67, s * 0.24);
    sand.lineTo(s * 0.5, s * 0.48);
    sand.closeSubpath();
    sand.moveTo(s * 0.5, s * 0.66);
    sand.lineTo(s * 0.72, s * 0.86);
    sand.lineTo(s * 0.28, s * 0.86);
    sand.closeSubpath();
    p.drawPath(sand);
}

QPixmap canvas(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

}  // namespace

QPixmap StateImages::pixmap(FileState state, int size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (state) {
        case FileState::Errors:
            drawWarning(p, size);
            break;
        case FileState::Ok:
            drawCheck(p, size);
            break;
        case FileState::DataProblem:
            drawDatabase(p, size);
            break;
        case FileState::Filling:
            drawHourglass(p, size);
            break;
    }
    return pm;
}

QIcon StateImages::icon(FileState state) {
    QIcon icon;
    icon.addPixmap(pixmap(state, 16));
    icon.addPixmap(pixmap(state, 32));
    return icon;
}

QPixmap StateImages::courtLogo(int size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(QColor(0xF0, 0xC8, 0x30), s * 0.06));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(s * 0.05, s * 0.05, s * 0.9, s * 0.9));
    p.setPen(QColor(0x00, 0x60, 0x60));
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    f.setPixelSize(int(s * 0.28));
    p.setFont(f);
    p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("TCM"));
    return pm;
}

QPixmap StateImages::publisherLogo(int size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(s * 0.05, s * 0.05, s * 0.9, s * 0.9), s * 0.15, s * 0.15);
    p.setPen(QColor(0x00, 0x80, 0x80));
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    f.setPixelSize(int(s * 0.6));
    p.setFont(f);
    p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("Q"));
    return pm;
}
