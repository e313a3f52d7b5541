#pragma once

// The values a ranged setter of the record takes, low..high (both included), and what it stores for
// any other value.
struct ValueRange
{
    int low;
    int high;
    int fallback;

    constexpr bool contains(int value) const { return value >= low && value <= high; }
};

// The rule of every ranged setter of the record: a value outside the range is replaced by the
// fallback, and the caller learns of it through the true result.
inline bool storeInRange(int& field, int value, const ValueRange& range)
{
    const bool outOfRange = !range.contains(value);
    field = outOfRange ? range.fallback : value;
    return outOfRange;
}
