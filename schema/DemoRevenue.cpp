#include "schema/DemoData.h"
#include "settings/Transaction.h"

namespace DemoData {

void fillRevenue(Context& /*c*/) {}

}  // namespace DemoData
