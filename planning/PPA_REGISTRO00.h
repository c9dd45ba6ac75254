#pragma once

class RunContext;

// Record "00": the municipality and its officials, from the municipality parameter file.
void PPA_REGISTRO00(RunContext& c);
// Record "01": the three budget laws, from the first row of PARAMORC; nothing without a row.
void PPA_REGISTRO01(RunContext& c);
// Record "99": the trailer, whose number is the file's line count.
void PPA_REGISTRO99(RunContext& c);
