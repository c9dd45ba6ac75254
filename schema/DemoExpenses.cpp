#include "schema/DemoData.h"
#include "settings/Transaction.h"

namespace DemoData {

void fillExpenses(Context& /*c*/) {}

}  // namespace DemoData
