#include "app/windows/MarqueeLabel.h"

#include <QPainter>

MarqueeLabel::MarqueeLabel(const QString& text, int delayMs, QWidget* parent)
    : QWidget(parent), text_(text) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        const int span = width() + fontMetrics().horizontalAdvance(text_);
        offset_ = span > 0 ? (offset_ + 1) % span : 0;
        update();
    });
    timer_.start(delayMs);
}

QSize MarqueeLabel::sizeHint() const {
    return QSize(fontMetrics().horizontalAdvance(text_) + 20, fontMetrics().height() + 4);
}

void MarqueeLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int x = width() - offset_;
    p.drawText(QRect(x, 0, fontMetrics().horizontalAdvance(text_) + 4, height()),
               Qt::AlignVCenter | Qt::AlignLeft, text_);
}
