#pragma once

// The prior-year import choices, five one-byte flags in this order.
struct ImportPriorYearOptions
{
    bool keepNotes = false;
    bool includeSelfBusinessData = false;
    bool keepFormsUnchanged = false;
    bool copyAllData = false;
    bool makeCoupled = false;
};
static_assert(sizeof(ImportPriorYearOptions) == 5, "five one-byte flags");
