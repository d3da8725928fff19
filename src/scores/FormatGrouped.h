#pragma once

#include <QString>

// A number with one blank between groups of three digits: 1234567 reads "1 234 567", -1234
// reads "-1 234".
QString FormatGrouped(qint64 value);
