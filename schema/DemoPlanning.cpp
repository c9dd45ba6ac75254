#include "schema/DemoData.h"
#include "settings/Transaction.h"

namespace DemoData {

void fillPlanning(Context& /*c*/) {}

}  // namespace DemoData
