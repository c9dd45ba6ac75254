#pragma once

class RunContext;

// ARC + month + two-digit year + ".TXT": the trailer record alone.
void BC_ARCMMAA(RunContext& context);
