#pragma once
#include <QString>

#include <string>

#include "data/db/value.h"

namespace tarvo::journal {

// A cell as the journal's grids show it: dates "dd.mm.yy", amounts "#.00", the rest as stored.
std::string cellText(const db::Column& column, const db::Value& value);

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace tarvo::journal
