#include "Papy/Factory/FacetId.h"

namespace Velmo::Papy
{
namespace
{
// The last id given out. Function-local, so that kinds made during static initialisation in
// any order still count from the library's last id.
int& LastId()
{
    static int last = FacetId::libraryKindCount;
    return last;
}
} // namespace

FacetId::FacetId() : m_id(++LastId())
{
}
} // namespace Velmo::Papy
