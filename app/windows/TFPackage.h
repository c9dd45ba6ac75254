#pragma once

#include <QDialog>
#include <QStringList>

// Lists the units the program is built from; shown before the main window when the program is
// started with "design".
class TFPackage : public QDialog {
    Q_OBJECT
public:
    explicit TFPackage(QWidget* parent = nullptr);
    static QStringList units();
};
