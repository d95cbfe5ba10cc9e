#pragma once

// The columns of the form and slip tables that the report engine's type tables
// are generated from: a constant name (also the name of the data class), a
// third text (the form's printed title) and the file name of its XML files.
struct FormPrintInfo
{
    int type;
    const char *constName;
    const char *thirdText;
    const char *fileName;   // empty: no data class or XML files
};

struct SlipPrintInfo
{
    int type;
    const char *constName;
};

// Rows 1..213 and 1..26, by type number; row 0 is empty.
extern const FormPrintInfo Global_FormsPrint_Info[214];
extern const SlipPrintInfo Global_SlipsPrint_Info[27];
