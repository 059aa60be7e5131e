#pragma once

#include "containers/LinkedList.h"

#include <vector>

// The values a list holds, front first: those Get finds at positions 1 to Size.
template <typename T>
std::vector<T> ListValues(const LinkedList<T>& list)
{
    std::vector<T> values;
    for (int position = 1; position <= list.Size(); ++position)
    {
        T value{};
        bool found = false;
        list.Get(value, position, found);
        if (found)
        {
            values.push_back(value);
        }
    }
    return values;
}
