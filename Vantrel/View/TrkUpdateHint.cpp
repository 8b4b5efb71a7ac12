#include "Vantrel/View/TrkUpdateHint.h"

int CTrkUpdateHint::CodeOf(const wxObject* hint)
{
    const auto* own = dynamic_cast<const CTrkUpdateHint*>(hint);
    return own != nullptr ? own->GetCode() : 0;
}
