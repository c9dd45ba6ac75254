#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The entries of a ZIP archive as read back with libzip, for comparing with what was packed.
struct ZipEntry {
    QString name;
    QByteArray content;
    int method = -1;  // ZIP_CM_DEFLATE, ZIP_CM_STORE...
};

std::vector<ZipEntry> readZip(const QString& path);
