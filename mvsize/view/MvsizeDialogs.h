#pragma once
// The dialogs behind Mvsize's tree commands: those both sizing programs have (no load, motor or device
// dialogs).

#include "CircuitDialogs.h"

struct MvsizeDialogEntries : CircuitDialogEntries {};

MvsizeDialogEntries& MvsizeDialogs();
