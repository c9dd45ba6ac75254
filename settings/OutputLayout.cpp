#include "settings/OutputLayout.h"

#include "output/Win1252.h"
#include "settings/DbError.h"
#include "settings/FbApi.h"

using namespace Firebird;

OutputLayout::~OutputLayout() {
    if (metadata)
        metadata->release();
}

void OutputLayout::load(IMessageMetadata* meta, std::vector<DbColumn>* columns) {
    FbApi::Status st;
    metadata = meta;
    messageLength = meta->getMessageLength(&st);
    const unsigned n = meta->getCount(&st);
    for (unsigned i = 0; i < n; ++i) {
        Field f;
        f.type = meta->getType(&st, i) & ~1u;
        f.scale = meta->getScale(&st, i);
        f.length = meta->getLength(&st, i);
        f.offset = meta->getOffset(&st, i);
        f.nullOffset = meta->getNullOffset(&st, i);
        fields.push_back(f);

        DbColumn c;
        c.name = Win1252::decode(QByteArray(meta->getAlias(&st, i)));
        c.scale = -f.scale;
        switch (f.type) {
            case SQL_SHORT:
            case SQL_LONG:
            case SQL_INT64:
                c.type = f.scale == 0 ? DbColumn::Type::Integer : DbColumn::Type::Decimal;
                break;
            case SQL_FLOAT:
            case SQL_DOUBLE:
            case SQL_D_FLOAT:
                c.type = DbColumn::Type::Float;
                break;
            case SQL_TYPE_DATE:
                c.type = DbColumn::Type::Date;
                break;
            case SQL_TYPE_TIME:
                c.type = DbColumn::Type::Time;
                break;
            case SQL_TIMESTAMP:
                c.type = DbColumn::Type::Timestamp;
                break;
            case SQL_TEXT:
            case SQL_VARYING:
                c.type = DbColumn::Type::Text;
                c.length = int(f.length);
                break;
            case SQL_BLOB:
                c.type = DbColumn::Type::Blob;
                break;
            case SQL_BOOLEAN:
                c.type = DbColumn::Type::Boolean;
                break;
            default:
                c.type = DbColumn::Type::Null;
                break;
        }
        columns->push_back(c);
    }
}

std::vector<DbValue> OutputLayout::decode(const unsigned char* buffer) const {
    std::vector<DbValue> values;
    values.reserve(fields.size());
    IUtil* util = FbApi::util();
    for (const Field& f : fields) {
        if (*reinterpret_cast<const ISC_SHORT*>(buffer + f.nullOffset) != 0) {
            values.emplace_back();
            continue;
        }
        const unsigned char* p = buffer + f.offset;
        auto scaled = [&](qint64 v) {
            return f.scale == 0 ? DbValue::integer(v) : DbValue::decimal(Decimal(v, -f.scale));
        };
        switch (f.type) {
            case SQL_SHORT:
                values.push_back(scaled(*reinterpret_cast<const ISC_SHORT*>(p)));
                break;
            case SQL_LONG:
                values.push_back(scaled(*reinterpret_cast<const ISC_LONG*>(p)));
                break;
            case SQL_INT64:
                values.push_back(scaled(*reinterpret_cast<const ISC_INT64*>(p)));
                break;
            case SQL_FLOAT:
                values.push_back(DbValue::floating(*reinterpret_cast<const float*>(p)));
                break;
            case SQL_DOUBLE:
            case SQL_D_FLOAT:
                values.push_back(DbValue::floating(*reinterpret_cast<const double*>(p)));
                break;
            case SQL_TYPE_DATE: {
                unsigned y, m, d;
                util->decodeDate(*reinterpret_cast<const ISC_DATE*>(p), &y, &m, &d);
                values.push_back(DbValue::date(QDate(int(y), int(m), int(d))));
                break;
            }
            case SQL_TYPE_TIME: {
                unsigned h, mi, s, frac;
                util->decodeTime(*reinterpret_cast<const ISC_TIME*>(p), &h, &mi, &s, &frac);
                values.push_back(DbValue::time(QTime(int(h), int(mi), int(s), int(frac / 10))));
                break;
            }
            case SQL_TIMESTAMP: {
                const auto* ts = reinterpret_cast<const ISC_TIMESTAMP*>(p);
                unsigned y, m, d, h, mi, s, frac;
                util->decodeDate(ts->timestamp_date, &y, &m, &d);
                util->decodeTime(ts->timestamp_time, &h, &mi, &s, &frac);
                values.push_back(
                    DbValue::timestamp(QDateTime(QDate(int(y), int(m), int(d)),
                                                 QTime(int(h), int(mi), int(s), int(frac / 10)))));
                break;
            }
            case SQL_TEXT:
                values.push_back(DbValue::text(
                    Win1252::decode(reinterpret_cast<const char*>(p), int(f.length))));
                break;
            case SQL_VARYING: {
                const auto len = *reinterpret_cast<const ISC_USHORT*>(p);
                values.push_back(DbValue::text(
                    Win1252::decode(reinterpret_cast<const char*>(p + sizeof(ISC_USHORT)), len)));
                break;
            }
            case SQL_BOOLEAN:
                values.push_back(DbValue::boolean(*p != 0));
                break;
            default:
                throw DbError(QStringLiteral("Tipo de coluna não suportado: %1").arg(f.type),
                              QString());
        }
    }
    return values;
}
