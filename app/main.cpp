#include "app/QuorrelApp.h"

wxIMPLEMENT_APP(CQuorrelApp);
