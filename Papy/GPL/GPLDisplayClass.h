#pragma once
// Type 5, sub-type 4: puts one child into a display class (the file's class number).
#include "Papy/GPL/GPLMaterialNode.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLDisplayClass : public GPLMaterialNode<ThreeDObjectDisplayClass, 4>
{
public:
    // Reads the fields behind the sub-type word; childId is the record's child word.
    GPLDisplayClass(GPLTdoFile& file, int id, U32 childId, Util::RecordReader& reader)
        : GPLMaterialNode(file, id, childId, reader)
    {
    }
    GPLDisplayClass(GPLTdoFile& file, int id, U32 classNumber, U32 childId)
        : GPLMaterialNode(file, id, childId)
    {
        m_record.Class = classNumber;
    }

    DisplayClass GetClass() const override { return Class(); }
};
} // namespace Velmo::Papy
