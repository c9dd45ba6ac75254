#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of the court's files, the parameter files and the
// database connection.
namespace Win1252 {

QString decode(const QByteArray& bytes);
QString decode(const char* bytes, int length);

// A character the code page cannot hold becomes "?".
QByteArray encode(const QString& text);

// For record text: as encode(), and every control character (line breaks, tabs) becomes a blank,
// so a record always stays one line of the same width.
QByteArray encodeRecord(const QString& text);

// True when the code page holds the character.
bool canEncode(QChar c);

}  // namespace Win1252
