#include "app/RunContext.h"

#include "settings/Database.h"

RunContext::RunContext(Database& database, RunObserver& observer, const Clock& clock)
    : database_(database),
      observer_(observer),
      clock_(clock),
      arquivo_(observer, clock),
      p1_(observer, ProgressBar::File),
      p2_(observer, ProgressBar::Run) {}

bool RunContext::isMonthly() const {
    return entity.has(QStringLiteral("TIPO")) && entity.text(QStringLiteral("TIPO")) == u"1";
}

QString RunContext::quadrimesterFirstMonth() const {
    const int m = Mes.toInt();
    if (m >= 9)
        return QStringLiteral("09");
    if (m >= 5)
        return QStringLiteral("05");
    return QStringLiteral("01");
}

QString RunContext::quadrimesterMonths() const {
    const int first = quadrimesterFirstMonth().toInt();
    QStringList months;
    for (int m = first; m < first + 4; ++m)
        months << QStringLiteral("'%1'").arg(m, 2, 10, QChar(u'0'));
    return months.join(u',');
}

void RunContext::beginTransaction() {
    transaction_ = std::make_unique<Transaction>(database_.begin(TransactionMode::ReadOnly));
}

void RunContext::endTransaction() {
    if (transaction_)
        transaction_->commit();
    transaction_.reset();
}
