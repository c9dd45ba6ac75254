#pragma once

#include <QString>
#include <stdexcept>

// A failure of the environment (database, files, folders, settings) that ends the current
// operation with a message for the operator. Failures of the data are error-log lines instead.
class EnvironmentError : public std::runtime_error {
public:
    explicit EnvironmentError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
