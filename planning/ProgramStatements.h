#pragma once

#include "settings/Statement.h"

class Transaction;

// The queries run once per program, action or element of the planning file, prepared once per
// file: the actions of a program, the expense elements of an action, the sources of an element.
class ProgramStatements {
public:
    explicit ProgramStatements(Transaction& transaction);

    Statement actions;
    Statement elements;
    Statement sources;
};
