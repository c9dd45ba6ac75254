#include "settings/Cursor.h"

#include "settings/FbApi.h"
#include "settings/OutputLayout.h"

using namespace Firebird;

Cursor::Cursor(IResultSet* resultSet, std::shared_ptr<OutputLayout> layout,
               std::shared_ptr<const DbColumns> columns, QString sql)
    : resultSet_(resultSet),
      layout_(std::move(layout)),
      columns_(std::move(columns)),
      buffer_(layout_->messageLength),
      sql_(std::move(sql)) {}

Cursor::Cursor(Cursor&& other) noexcept {
    *this = std::move(other);
}

Cursor& Cursor::operator=(Cursor&& other) noexcept {
    if (this != &other) {
        close();
        resultSet_ = std::exchange(other.resultSet_, nullptr);
        layout_ = std::move(other.layout_);
        columns_ = std::move(other.columns_);
        buffer_ = std::move(other.buffer_);
        row_ = std::move(other.row_);
        sql_ = std::move(other.sql_);
    }
    return *this;
}

Cursor::~Cursor() {
    close();
}

bool Cursor::next() {
    if (!resultSet_)
        return false;
    try {
        FbApi::Status st;
        if (resultSet_->fetchNext(&st, buffer_.data()) != IStatus::RESULT_OK) {
            close();
            return false;
        }
    } catch (const FbException& e) {
        close();
        FbApi::raise(e, sql_);
    }
    row_ = DbRow(columns_, layout_->decode(buffer_.data()));
    return true;
}

void Cursor::close() noexcept {
    if (!resultSet_)
        return;
    try {
        FbApi::Status st;
        resultSet_->close(&st);  // releases the interface on success
    } catch (const FbException&) {
        resultSet_->release();
    }
    resultSet_ = nullptr;
}
