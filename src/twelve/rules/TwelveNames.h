#pragma once

#include "TwelveRules.h"

#include <QString>

// The rules a set of Twelve seat names must follow.

inline constexpr int PlayerNameLength = 15;

// A name as the table shows it: without blanks at either end and without control characters,
// cut to PlayerNameLength characters.
QString tidiedName(const QString &typed);

// Whether a set of names is one the names dialog can leave: each tidied and every letter of it
// one the settings file can hold (Windows-1250), and all different.
bool namesPlayable(const PerSeat<QString> &names);

// Exact comparison, upper and lower case distinct; two empty names count as equal.
bool namesDiffer(const PerSeat<QString> &names);
