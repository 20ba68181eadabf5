#pragma once

// Numbers as the results panel shows them: fixed decimals with the user's
// decimal separator and no thousands separator, rounded half away from zero
// at the last shown digit. The rounding works on the shortest decimal text
// that reads back as the same double, so 0.285 with two decimals is "0.29".

#include <string>

namespace numfmt {

// "0.00000000", "0.000000", "0.0", "###0.00": at least one integer digit and
// exactly `decimals` decimals.
std::string Fixed(double value, int decimals, char separator);

// "#########": the value rounded to a whole number; 0 shows as "0".
std::string Whole(double value);

} // namespace numfmt
