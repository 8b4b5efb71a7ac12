#include "Papy/GPL/GPLGraphCheck.h"

#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectGraphCheck.h"

namespace Velmo::Papy
{
void GPLGraphCheck::Check(GPLTdoFile& file)
{
    static constexpr ThreeDObjectGraphCheck::Messages messages = {
        "GPL 3do file node refers to itself or an ancestor", "GPL 3do file nodes nested too deeply", nullptr};
    ThreeDObjectGraphCheck::Check(file.GetSubObjects(), file.GetFileName(), messages);
}
} // namespace Velmo::Papy
