#include "Vantrel/Visitors/ThreeDObjectRows.h"

#include "Vantrel/Visitors/ValueFormat.h"

void ThreeDObjectRows::Add(const char* label, const std::string& value)
{
    m_sink.AddRow(label, value);
    ++m_count;
}

void ThreeDObjectRows::Add(const char* label, int index, const std::string& value)
{
    std::string text = label;
    text += ' ';
    ValueFormat::AppendUnsigned(text, Velmo::U32(index));
    m_sink.AddRow(text, value);
    ++m_count;
}
