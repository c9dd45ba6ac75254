#include "settings/Statement.h"

#include <cstring>

#include "output/Win1252.h"
#include "settings/DbError.h"
#include "settings/FbApi.h"
#include "settings/OutputLayout.h"

using namespace Firebird;

// The input message: every parameter a nullable VARCHAR in Windows-1252, long enough for the
// longest value seen so far.
struct Statement::Input {
    IMessageMetadata* declared = nullptr;  // as the database described the parameters
    IMessageMetadata* metadata = nullptr;  // every parameter as VARCHAR
    unsigned count = 0;
    std::vector<unsigned> lengths, offsets, nullOffsets;
    std::vector<unsigned char> buffer;
    ~Input() {
        if (metadata)
            metadata->release();
        if (declared)
            declared->release();
    }
    void build(const std::vector<unsigned>& wanted) {
        FbApi::Status st;
        IMetadataBuilder* builder = declared->getBuilder(&st);
        try {
            for (unsigned i = 0; i < count; ++i) {
                builder->setType(&st, i, SQL_VARYING + 1);
                builder->setLength(&st, i, wanted[i]);
                builder->setCharSet(&st, i, FbApi::kCharsetWin1252);
                builder->setScale(&st, i, 0);
            }
            IMessageMetadata* m = builder->getMetadata(&st);
            builder->release();
            if (metadata)
                metadata->release();
            metadata = m;
        } catch (...) {
            builder->release();
            throw;
        }
        lengths = wanted;
        offsets.assign(count, 0);
        nullOffsets.assign(count, 0);
        for (unsigned i = 0; i < count; ++i) {
            offsets[i] = metadata->getOffset(&st, i);
            nullOffsets[i] = metadata->getNullOffset(&st, i);
        }
        buffer.assign(metadata->getMessageLength(&st), 0);
    }
};

Statement::Statement(IAttachment* attachment, ITransaction* transaction, const QString& sql)
    : transaction_(transaction), sql_(sql), input_(std::make_unique<Input>()) {
    try {
        FbApi::Status st;
        const QByteArray text = Win1252::encode(sql);
        statement_ = attachment->prepare(&st, transaction, 0, text.constData(), FbApi::kDialect,
                                         IStatement::PREPARE_PREFETCH_METADATA);
        input_->declared = statement_->getInputMetadata(&st);
        input_->count = input_->declared->getCount(&st);
        if (input_->count > 0)
            input_->build(std::vector<unsigned>(input_->count, 64));

        std::vector<DbColumn> columns;
        output_ = std::make_shared<OutputLayout>();
        output_->load(statement_->getOutputMetadata(&st), &columns);
        columns_ = std::make_shared<DbColumns>(std::move(columns));
    } catch (const FbException& e) {
        if (statement_)
            statement_->release();
        statement_ = nullptr;
        FbApi::raise(e, sql);
    }
}

Statement::Statement(Statement&& other) noexcept
    : transaction_(other.transaction_),
      statement_(std::exchange(other.statement_, nullptr)),
      sql_(std::move(other.sql_)),
      columns_(std::move(other.columns_)),
      output_(std::move(other.output_)),
      input_(std::move(other.input_)) {}

Statement::~Statement() {
    if (!statement_)
        return;
    try {
        FbApi::Status st;
        statement_->free(&st);
    } catch (const FbException&) {
        statement_->release();
    }
}

void Statement::bind(const QStringList& params) {
    if (unsigned(params.size()) != input_->count) {
        throw DbError(QStringLiteral("A instrução espera %1 parâmetro(s), recebeu %2")
                          .arg(input_->count)
                          .arg(params.size()),
                      sql_);
    }
    if (input_->count == 0)
        return;
    std::vector<QByteArray> bytes;
    bytes.reserve(input_->count);
    std::vector<unsigned> wanted = input_->lengths;
    bool rebuild = false;
    for (unsigned i = 0; i < input_->count; ++i) {
        bytes.push_back(Win1252::encode(params[int(i)]));
        const unsigned need = unsigned(bytes.back().size());
        if (need > wanted[i]) {
            wanted[i] = std::max(need, wanted[i] * 2);
            rebuild = true;
        }
    }
    if (rebuild)
        input_->build(wanted);
    unsigned char* buf = input_->buffer.data();
    for (unsigned i = 0; i < input_->count; ++i) {
        auto* nullFlag = reinterpret_cast<ISC_SHORT*>(buf + input_->nullOffsets[i]);
        if (params[int(i)].isNull()) {
            *nullFlag = -1;
            continue;
        }
        *nullFlag = 0;
        const QByteArray& b = bytes[i];
        const auto len = static_cast<ISC_USHORT>(b.size());
        std::memcpy(buf + input_->offsets[i], &len, sizeof len);
        std::memcpy(buf + input_->offsets[i] + sizeof len, b.constData(), size_t(b.size()));
    }
}

Cursor Statement::open(const QStringList& params) {
    bind(params);
    try {
        FbApi::Status st;
        IResultSet* rs = statement_->openCursor(&st, transaction_, input_->metadata,
                                                input_->count ? input_->buffer.data() : nullptr,
                                                output_->metadata, 0);
        return Cursor(rs, output_, columns_, sql_);
    } catch (const FbException& e) {
        if (FbApi::isConversionError(e) && params.contains(QString("")))
            return Cursor();
        FbApi::raise(e, sql_);
    }
}

std::optional<DbRow> Statement::first(const QStringList& params) {
    Cursor c = open(params);
    if (!c.next())
        return std::nullopt;
    return c.row();
}

quint64 Statement::execute(const QStringList& params) {
    bind(params);
    try {
        FbApi::Status st;
        statement_->execute(&st, transaction_, input_->metadata,
                            input_->count ? input_->buffer.data() : nullptr, nullptr, nullptr);
        return statement_->getAffectedRecords(&st);
    } catch (const FbException& e) {
        FbApi::raise(e, sql_);
    }
}
