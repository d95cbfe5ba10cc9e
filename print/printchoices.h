#pragma once

// What the print options dialog chose; one record for the whole process,
// written by DlgPrintOption_Info and read by the print command.
struct PrintChoices
{
    bool condensedBarcode = false;
    bool currentFormOnly = false;
    int clientLetter = -1;   // 1 prints the client letter
    bool fullSin = false;
    bool invoice = false;

    static PrintChoices &current();
};
