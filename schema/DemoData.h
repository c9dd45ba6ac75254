#pragma once

#include <QtGlobal>

class DataPacket;
class Transaction;

// The synthetic municipality of the demo installation.
namespace DemoData {

void fill(Transaction& transaction, int year, int scale, quint32 seed);
// What the operator would type into the parameter windows after seeding.
void completeParamFiles(DataPacket* orgao, DataPacket* munic);

}  // namespace DemoData
