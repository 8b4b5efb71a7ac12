#include "Vantrel/App/VantrelApp.h"

wxIMPLEMENT_APP(CVantrelApp);
