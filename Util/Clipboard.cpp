#include "Util/Clipboard.h"

namespace Velmo::Util
{
Clipboard::Store& Clipboard::GetStore()
{
    // Never freed: values may be read until the very end of the run.
    static Store* store = new Store;
    return *store;
}
} // namespace Velmo::Util
