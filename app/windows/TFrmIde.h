#pragma once

#include "app/windows/ParamFileWindow.h"

// The municipality file "PARAM_MUNIC_TCMGO.XML": the court code of the municipality, the mayor,
// the council president and the accountant.
class TFrmIde : public ParamFileWindow {
    Q_OBJECT
public:
    TFrmIde(QWidget* parent, Database& database, const QString& iniPath);
};
