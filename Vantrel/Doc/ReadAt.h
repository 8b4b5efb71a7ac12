#pragma once
// Reads what a view asks of a document's stream: count bytes at offset, clamped to the end of
// the stream in 64 bits. An offset at or past the end reads nothing; no stream reads nothing.
// Errors of the stream (XFileSeek, XFileRead) pass to the caller.
#include "Util/BinaryStream.h"
#include "Util/Types.h"

Velmo::U32 ReadStreamAt(Velmo::Util::BinaryStream* stream, Velmo::U64 offset,
                              Velmo::U32 count, void* buffer);
