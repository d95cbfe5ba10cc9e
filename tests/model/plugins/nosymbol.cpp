// A library that loads but exports no GetTaxManager.
extern "C" int bqUnrelatedSymbol() { return 7; }
