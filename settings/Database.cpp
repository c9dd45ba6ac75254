#include "settings/Database.h"

#include "output/Win1252.h"
#include "settings/DbError.h"
#include "settings/FbApi.h"

using namespace Firebird;

namespace {

IXpbBuilder* connectionParameters(FbApi::Status& st, bool creating) {
    IXpbBuilder* dpb = FbApi::util()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(&st, isc_dpb_user_name, FbApi::kUser);
    dpb->insertString(&st, isc_dpb_password, FbApi::kPassword);
    dpb->insertString(&st, isc_dpb_lc_ctype, "WIN1252");
    dpb->insertInt(&st, isc_dpb_sql_dialect, int(FbApi::kDialect));
    if (creating) {
        dpb->insertString(&st, isc_dpb_set_db_charset, "WIN1252");
        dpb->insertInt(&st, isc_dpb_page_size, 8192);
        // Databases created here are fixtures and demos: no synchronous writes.
        dpb->insertInt(&st, isc_dpb_force_write, 0);
    }
    return dpb;
}

IAttachment* open(const QString& path, bool creating) {
    FbApi::Status st;
    IXpbBuilder* dpb = nullptr;
    try {
        dpb = connectionParameters(st, creating);
        IProvider* provider = FbApi::master()->getDispatcher();
        const QByteArray p = Win1252::encode(path);
        IAttachment* a =
            creating ? provider->createDatabase(&st, p.constData(), dpb->getBufferLength(&st),
                                                dpb->getBuffer(&st))
                     : provider->attachDatabase(&st, p.constData(), dpb->getBufferLength(&st),
                                                dpb->getBuffer(&st));
        provider->release();
        dpb->dispose();
        return a;
    } catch (const FbException& e) {
        if (dpb)
            dpb->dispose();
        FbApi::raise(e, QString());
    }
}

}  // namespace

Database::Database(IAttachment* attachment, QString path)
    : attachment_(attachment), path_(std::move(path)) {}

Database Database::attach(const QString& path) {
    return Database(open(path, false), path);
}

Database Database::create(const QString& path) {
    return Database(open(path, true), path);
}

Database::Database(Database&& other) noexcept
    : attachment_(std::exchange(other.attachment_, nullptr)), path_(std::move(other.path_)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        detach();
        attachment_ = std::exchange(other.attachment_, nullptr);
        path_ = std::move(other.path_);
    }
    return *this;
}

Database::~Database() {
    detach();
}

void Database::detach() noexcept {
    if (!attachment_)
        return;
    try {
        FbApi::Status st;
        attachment_->detach(&st);  // releases the interface on success
    } catch (const FbException&) {
        attachment_->release();
    }
    attachment_ = nullptr;
}

Transaction Database::begin(TransactionMode mode) {
    if (!attachment_)
        throw DbError(QStringLiteral("Base de dados não conectada"), QString());
    return Transaction(attachment_, mode);
}

void Database::executeImmediate(const QString& sql) {
    Transaction t = begin(TransactionMode::ReadWrite);
    t.execute(sql);
    t.commit();
}
