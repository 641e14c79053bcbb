// A target list planned for the observing night (night/plan.h), as the
// headless front end writes it: one row per target in a fixed-width table
// under a line naming each column and its unit, or the same rows as
// comma-separated values or as JSON.
//
// The columns: the name; the right ascension (hours) and declination
// (degrees) at the date; rise, meridian transit (and the altitude there) and
// set; the start and end of the longest observable window and the hours
// observable in all windows; the best time, with its altitude, air mass,
// hour angle (hours, + west) and the Moon's distance then; the Moon's least
// distance in the dark time; a remark ("never rises", "circumpolar").
// Times as the clock reads them in the site's zone (HH:MM) in the text and
// CSV tables, in the night's hours (25.5 is 01:30 the next morning) in
// JSON; "-" (null) where there is none in the night.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "data/target_list.h"
#include "night/plan.h"

namespace orvexal {

// One planned target of the list.
struct TargetRow {
    const TargetRecord* record;
    const TargetPlan* plan;
};

// The rows of the plan (in the list's order, one per record) sorted; equal
// keys keep the list's order.
std::vector<TargetRow> SortedRows(std::span<const TargetRecord> records, const NightPlan& plan, TargetOrder order);

std::string TargetTableText(std::span<const TargetRow> rows);
std::string TargetTableCsv(std::span<const TargetRow> rows);

// The JSON array of the rows, one object per line indented by `indent`
// blanks, the closing bracket by two fewer.
std::string TargetTableJson(std::span<const TargetRow> rows, int indent);

}  // namespace orvexal
