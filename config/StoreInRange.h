#pragma once

// The rule of every ranged setter of the record: a value outside low..high (both included) is replaced
// by the fallback, and the caller learns of it through the true result.
inline bool storeInRange(int& field, int value, int low, int high, int fallback)
{
    const bool outOfRange = value < low || value > high;
    field = outOfRange ? fallback : value;
    return outOfRange;
}
