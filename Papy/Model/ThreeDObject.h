#pragma once
// The node of every game's 3D objects. A node belongs to one file, is known there by its id
// and refers to other nodes by id; it is always held through a counted pointer. Each node
// class implements exactly one kind interface (ThreeDObjectPolygon, ThreeDObjectObjectList,
// ...), which supplies Accept: the one way code outside the node classes walks a tree.
//
// The generic value lists (integers, floats, strings, booleans) let an editor show and change
// a node's plain values without knowing its kind; a count of 0 means no such list. Every
// operation that is not pure and not a count fails with the assertion "false" unless a node
// class overrides it.
#include <string>

#include "Util/Types.h"

namespace Velmo::Util
{
class BinaryStream;
}

namespace Velmo::Papy
{
class ThreeDObjectVisitor;

class ThreeDObject
{
public:
    virtual ~ThreeDObject();

    // Unique within the node's file.
    virtual int GetId() const = 0;
    // Where the node's record was read or last written; 0 for a node not yet written.
    virtual U64 GetFileOffset() const = 0;
    // The type text of the node's record ("27-8", "2.13", "Shape", ...).
    virtual std::string GetType() const = 0;
    virtual std::string GetName() const;
    virtual void SetName(const std::string& name);

    virtual int GetIntegerCount() const;
    virtual int GetInteger(int i) const;
    virtual void SetInteger(int i, int value);
    virtual int GetFloatCount() const;
    virtual double GetFloat(int i) const;
    virtual void SetFloat(int i, double value);
    virtual int GetStringCount() const;
    virtual std::string GetString(int i) const;
    virtual void SetString(int i, const std::string& value);
    virtual int GetBooleanCount() const;
    virtual bool GetBoolean(int i) const;
    virtual void SetBoolean(int i, bool value);

    // Drives the visitor through this node and its children in the order of the node's kind.
    virtual void Accept(ThreeDObjectVisitor& visitor) = 0;
    // Writes the node's record at the stream's position; offset is that position in the
    // file's own terms, which nodes that track their offset keep.
    virtual void Write(Util::BinaryStream& stream, U32 offset) = 0;
    // Marks the node as not yet written.
    virtual void ClearFileOffset();

protected:
    ThreeDObject() = default;
    ThreeDObject(const ThreeDObject&) = default;
    ThreeDObject& operator=(const ThreeDObject&) = default;
};
} // namespace Velmo::Papy
