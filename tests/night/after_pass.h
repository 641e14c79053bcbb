// The night's inputs after a pass over the designed fields (site 122.50514 W,
// 53.45289 N, zone 8; target 11.11111, 22.22222, 2000) on 2026.1204 at 22h,
// some typed over.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "night/inputs.h"
#include "pass/pass.h"

namespace orvexal {

inline NightInputs InputsAfterPass(const std::map<Field, std::string>& typed)
{
    FieldTable fields;
    fields.SetText(Field::Date, "2026.1204");
    fields.SetText(Field::Time, "22");
    for (const auto& [field, text] : typed) {
        fields.SetText(field, text);
    }
    SunPlace sun;
    ObservedPass observed;
    EXPECT_FALSE(CalculatePass(fields, ConstellationTables{}, sun, SystemUtcTime, observed));
    return NightInputsOf(observed, LabelsOf(fields));
}

}  // namespace orvexal
