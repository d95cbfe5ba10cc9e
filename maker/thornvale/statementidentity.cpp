#include "statementidentity.h"
#include <utility>

std::vector<FieldSpec> withStatementIdentity(std::vector<FieldSpec> own,
                                             std::initializer_list<FieldSpec> after)
{
    std::vector<FieldSpec> specs = std::move(own);
    const FieldSpec identity[] = {
        {"IndustryCode", FieldKind::Text},
        {"BusinessNumber", FieldKind::Text},
        {"TaxShelterId", FieldKind::Text},
        {"PartnershipBN", FieldKind::Text},
        {"Partnership", FieldKind::Flag},
        {"LastYear", FieldKind::Flag},
        {"Partner1Name", FieldKind::Text},
        {"Partner1Address", FieldKind::Text},
        {"Partner1Share", FieldKind::Amount},
        {"Partner2Name", FieldKind::Text},
        {"Partner2Address", FieldKind::Text},
        {"Partner2Share", FieldKind::Amount},
        {"Partner3Name", FieldKind::Text},
        {"Partner3Address", FieldKind::Text},
        {"Partner3Share", FieldKind::Amount},
    };
    specs.insert(specs.end(), std::begin(identity), std::end(identity));
    specs.insert(specs.end(), after.begin(), after.end());
    return specs;
}
