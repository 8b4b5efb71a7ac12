#pragma once
// The rows of one listing in the field pane: each row a label and a value, added in order.
// A repeated row carries its index behind the label ("Child 2").
#include <string>

#include "Vantrel/Visitors/ThreeDObjectRowSink.h"

class ThreeDObjectRows
{
public:
    explicit ThreeDObjectRows(ThreeDObjectRowSink& sink) : m_sink(sink) {}

    void Add(const char* label, const std::string& value);
    // label, a blank and the index in decimal.
    void Add(const char* label, int index, const std::string& value);
    // A row without a value.
    void Heading(const char* label) { Add(label, std::string()); }
    void Heading(const char* label, int index) { Add(label, index, std::string()); }

    // The number of rows added so far.
    int GetCount() const { return m_count; }

private:
    ThreeDObjectRowSink& m_sink;
    int m_count = 0;
};
