#include "Papy/Model/Options.h"

namespace Velmo::Papy
{
Options* Options::Instance()
{
    static Options options;
    return &options;
}
} // namespace Velmo::Papy
