#pragma once

#include <QString>

// A length of time as a clock shows it: "2:03", or "1:02:03" from an hour on.
QString clockText(int seconds);
