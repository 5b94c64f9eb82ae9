#include "LvsizeApp.h"

// This build has no circuit dialogs: their commands tell the user so (LvsizeDialogs' empty entries).
void WireLvsizeDialogs() {}
