#include "Vantrel/View/LytHint.h"

int CLytHint::Of(const wxObject* hint)
{
    const auto* lyt = dynamic_cast<const CLytHint*>(hint);
    return lyt != nullptr ? lyt->Hint : 0;
}
