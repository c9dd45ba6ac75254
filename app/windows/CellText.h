#pragma once

#include <QString>
#include <optional>

// What a grid cell accepts, as the old data layer's fields accepted it.
namespace CellText {

// A typed value for an integer field: empty (blanks only) is null, otherwise an optional sign
// and digits within 32 bits, answered as the number's plain digits ("01" gives "1"). A text that
// is not such a number answers nothing and fills `error` with the message for the operator.
std::optional<std::optional<QString>> integer(const QString& typed, QString* error);

// The message of a field that must have a value.
QString requiredMessage(const QString& field);

}  // namespace CellText
