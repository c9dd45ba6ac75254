#include "settings/Transaction.h"

#include "settings/DbError.h"
#include "settings/FbApi.h"

using namespace Firebird;

Transaction::Transaction(IAttachment* attachment, TransactionMode mode) : attachment_(attachment) {
    FbApi::Status st;
    IXpbBuilder* tpb = nullptr;
    try {
        // The builder writes isc_tpb_version3 itself.
        tpb = FbApi::util()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
        tpb->insertTag(&st, mode == TransactionMode::ReadOnly ? isc_tpb_read : isc_tpb_write);
        tpb->insertTag(&st, isc_tpb_read_committed);
        tpb->insertTag(&st, isc_tpb_rec_version);
        tpb->insertTag(&st, isc_tpb_wait);
        transaction_ =
            attachment_->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
        tpb->dispose();
    } catch (const FbException& e) {
        if (tpb)
            tpb->dispose();
        FbApi::raise(e, QString());
    }
}

Transaction::Transaction(Transaction&& other) noexcept
    : attachment_(other.attachment_), transaction_(std::exchange(other.transaction_, nullptr)) {}

Transaction::~Transaction() {
    if (!transaction_)
        return;
    try {
        rollback();
    } catch (const DbError&) {
    }
}

Statement Transaction::prepare(const QString& sql) {
    if (!transaction_)
        throw DbError(QStringLiteral("Transação encerrada"), sql);
    return Statement(attachment_, transaction_, sql);
}

std::optional<DbRow> Transaction::first(const QString& sql, const QStringList& params) {
    return prepare(sql).first(params);
}

void Transaction::execute(const QString& sql, const QStringList& params) {
    prepare(sql).execute(params);
}

void Transaction::commit() {
    if (!transaction_)
        return;
    try {
        FbApi::Status st;
        transaction_->commit(&st);  // releases the interface on success
        transaction_ = nullptr;
    } catch (const FbException& e) {
        FbApi::raise(e, QStringLiteral("COMMIT"));
    }
}

void Transaction::rollback() {
    if (!transaction_)
        return;
    ITransaction* t = std::exchange(transaction_, nullptr);
    try {
        FbApi::Status st;
        t->rollback(&st);
    } catch (const FbException& e) {
        t->release();
        FbApi::raise(e, QStringLiteral("ROLLBACK"));
    }
}
