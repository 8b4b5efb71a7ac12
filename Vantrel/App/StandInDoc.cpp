#include "Vantrel/App/StandInDoc.h"

wxIMPLEMENT_DYNAMIC_CLASS(CStandInDoc, CSubDoc);
