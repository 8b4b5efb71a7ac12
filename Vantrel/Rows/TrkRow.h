#pragma once
// One row of the track or replay list: the "Field" and "Value" columns.
#include <string>

struct TrkRow
{
    std::string Field;
    std::string Value;

    bool operator==(const TrkRow& other) const = default;
};
