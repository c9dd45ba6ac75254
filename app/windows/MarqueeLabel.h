#pragma once

#include <QTimer>
#include <QWidget>

// A status-bar pane whose text scrolls from right to left, one pixel per tick.
class MarqueeLabel : public QWidget {
    Q_OBJECT
public:
    explicit MarqueeLabel(const QString& text, int delayMs, QWidget* parent = nullptr);
    QString text() const { return text_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    QTimer timer_;
    int offset_ = 0;
};
