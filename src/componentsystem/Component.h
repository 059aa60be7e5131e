#pragma once

#include <string>

// Base of the component kinds. Each kind has a static NAME, which is both what
// GetName returns and the key an Actor files it under.
class Component
{
public:
    virtual ~Component() = default;
    virtual std::string GetName() const = 0;
};
