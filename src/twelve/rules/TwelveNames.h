#pragma once

#include "TwelveRules.h"

#include <QString>

// The rules a set of Twelve seat names must follow.

inline constexpr int PlayerNameLength = 15;

// A name as the table shows it: without blanks or control characters at either end, cut to
// PlayerNameLength characters.
QString tidiedName(const QString &typed);

// Exact comparison, upper and lower case distinct; two empty names count as equal.
bool namesDiffer(const PerSeat<QString> &names);
