#pragma once

#include <QString>
#include <QtGlobal>
#include <random>

class DataPacket;
class Transaction;

// The synthetic municipality of the demo installation: deterministic from the seed, grown in
// proportion by the scale. Each area of the accounting fills its own tables.
namespace DemoData {

struct Context {
    Transaction& t;
    int year;
    int scale;
    std::mt19937& random;
};

void fill(Transaction& transaction, int year, int scale, quint32 seed);
// What the operator would type into the parameter windows after seeding.
void completeParamFiles(DataPacket* orgao, DataPacket* munic);

// An amount in cents as the text a NUMERIC parameter takes ("-12.05"), and a date as ISO text.
QString money(qint64 cents);
QString isoDate(int year, int month, int day);

// The areas, in the order fill() calls them.
void fillEntities(Context& c);  // TABEMPRESA, CADCLI
void fillRevenue(Context& c);   // revenue headings, cards, receipts
void fillExpenses(Context& c);  // organs, actions, budget cards, alterations, commitments...
void fillPlanning(Context& c);  // budget laws, programs, actions, allocations, forecast

}  // namespace DemoData
