#include "settings/FbApi.h"

#include <firebird/Interface.h>

#include "output/Win1252.h"
#include "settings/DbError.h"

namespace FbApi {

Firebird::IMaster* master() {
    static Firebird::IMaster* m = Firebird::fb_get_master_interface();
    return m;
}

Firebird::IUtil* util() {
    return master()->getUtilInterface();
}

bool isConversionError(const Firebird::FbException& e) {
    const ISC_STATUS* v = e.getStatus()->getErrors();
    for (int i = 0; v[i] != isc_arg_end;) {
        if (v[i] == isc_arg_gds && v[i + 1] == isc_convert_error)
            return true;
        i += (v[i] == isc_arg_cstring) ? 3 : 2;
    }
    return false;
}

void raise(const Firebird::FbException& e, const QString& sql) {
    char buf[2048];
    util()->formatStatus(buf, sizeof buf, e.getStatus());
    throw DbError(Win1252::decode(QByteArray(buf)), sql, isConversionError(e));
}

}  // namespace FbApi
