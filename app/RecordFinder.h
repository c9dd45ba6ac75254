#pragma once

#include <QString>
#include <optional>

// Finds the record of a generated file that an error-log line points at by its sequence number.
class RecordFinder {
public:
    struct Record {
        int lineNumber = 0;  // 1-based
        QString text;        // without its line end
    };

    // In the monthly files the sequence stands at the end of every record, six digits or more;
    // the first record whose tail is that number is the one (records are numbered in writing
    // order). In the planning file the sequence is the line number. Throws EnvironmentError when
    // the file cannot be read.
    static std::optional<Record> findBySequence(const QString& path, int sequence, bool planning);
};
