#pragma once

#include "app/windows/ParamFileWindow.h"

// The organ file "PARAM_ORGAO_TCMGO.XML": one row per entity, its manager, accountant and
// internal-control officer.
class TFrmParamOrgao : public ParamFileWindow {
    Q_OBJECT
public:
    TFrmParamOrgao(QWidget* parent, Database& database, const QString& iniPath);
};
