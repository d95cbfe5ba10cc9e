#include "filingresult.h"
#include "textandtime.h"

FilingResult::FilingResult(int kind_) : kind(kind_), time(GetCurTime(0)) {}

FilingResult::~FilingResult() = default;

bool FilingResult::isCode184() const
{
    return resultCode.left(3) == QLatin1String("184");
}
