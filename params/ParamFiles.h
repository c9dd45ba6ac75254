#pragma once

#include <QString>

#include "params/DataPacket.h"

class Transaction;

// The two parameter files of the year's data folder: what the court's files need and the
// accounting database lacks.
namespace ParamFiles {

inline const QString kOrgaoFile = QStringLiteral("PARAM_ORGAO_TCMGO.XML");
inline const QString kMunicFile = QStringLiteral("PARAM_MUNIC_TCMGO.XML");

// The queries that seed the files from the database.
extern const QString kSeedOrgaoSql;
extern const QString kSeedMunicSql;

// Runs the query and makes a packet of its complete result: the columns with the types and
// widths the query delivers, one row per result row, nulls as absent attributes.
DataPacket fromQuery(Transaction& transaction, const QString& sql);

DataPacket seedOrgao(Transaction& transaction);
DataPacket seedMunic(Transaction& transaction);

// The row of the organ file whose CODPODER, as text, equals the entity code; -1 when none does.
int findOrgaoRow(const DataPacket& orgao, const QString& codEntidade);

}  // namespace ParamFiles
