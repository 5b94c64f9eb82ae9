#include "MvsizeApp.h"

// This build has no circuit dialogs: their commands tell the user so (MvsizeDialogs' empty entries).
void WireMvsizeDialogs() {}
