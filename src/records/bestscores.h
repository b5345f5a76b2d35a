// The best-scores table "bestscor.ret": one fixed-position record per result.
//   1-5 score, left-aligned   6-13 date dd/mm/yy   14-15 blanks   16-20 time hh:mm
//   21-22 blanks   23-35 name, left-aligned   36-40 score again   41 blank   42 question set
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/types.h"

namespace sv::records {

// The whole number of a record's first four characters, blanks ignored, as a positive value
// ("67  " gives 67); nullopt when they do not form a number.
std::optional<int> recordNumber(const std::string& record);

// The score a record is ranked by: its number, 0 when it has none.
int recordScore(const std::string& record);

// The record of a result: score text, the day and time it is entered, the name, the set.
std::string buildRecord(const std::string& score, const ui::DateTime& when, const std::string& name, int quest);

// Whether a score enters the table whose records are these (in file order): it does when it
// is at least one of the first 30 records' scores (a record without a number counts as 100,
// missing records as 0), so a table of fewer than 30 records lets every score in.
bool qualifies(int score, const std::vector<std::string>& records);

// The records ranked best first: higher scores first, equal scores in file order; records of
// score 0 and records shorter than 5 characters are left out.
std::vector<std::string> rankRecords(const std::vector<std::string>& records);

// The same ranking, computed the way it is described, one pass over all records per rank
// group: kept to check the fast one against (see bench/).
std::vector<std::string> rankRecordsByPasses(const std::vector<std::string>& records);

// The line the table window shows for rank r: "001", two blanks, the record from position 6.
std::string displayLine(int rank, const std::string& record);

// The records kept for one view: set 1, 2 or 3 (by the record's last character), 0 for all.
std::vector<std::string> recordsOfSet(const std::vector<std::string>& records, int set);

}  // namespace sv::records
