#pragma once
// The field pane as the list visitor sees it: rows of a label and a value, added in order.
// Both texts are 8-bit strings in code page 1252 (the degree sign is the byte 0xB0); the pane
// converts them where it shows them.
#include <string>

class ThreeDObjectRowSink
{
public:
    virtual ~ThreeDObjectRowSink() = default;

    // Adds a row after the last one; a heading row has an empty value.
    virtual void AddRow(const std::string& label, const std::string& value) = 0;

protected:
    ThreeDObjectRowSink() = default;
    ThreeDObjectRowSink(const ThreeDObjectRowSink&) = default;
    ThreeDObjectRowSink& operator=(const ThreeDObjectRowSink&) = default;
};
