#pragma once

// How a statement's result message is laid out; shared by the statement and its cursors.
#include <firebird/Interface.h>

#include <memory>
#include <vector>

#include "settings/DbRow.h"

struct OutputLayout {
    struct Field {
        unsigned type = 0;
        int scale = 0;
        unsigned length = 0;
        unsigned offset = 0;
        unsigned nullOffset = 0;
    };
    Firebird::IMessageMetadata* metadata = nullptr;
    unsigned messageLength = 0;
    std::vector<Field> fields;

    OutputLayout() = default;
    OutputLayout(const OutputLayout&) = delete;
    OutputLayout& operator=(const OutputLayout&) = delete;
    ~OutputLayout();

    // Reads the layout; fills `columns` with what the caller sees of each column.
    void load(Firebird::IMessageMetadata* meta, std::vector<DbColumn>* columns);
    std::vector<DbValue> decode(const unsigned char* buffer) const;
};
