#pragma once
// The template of Mvsize's circuit characteristics dialog (148 "Dados do circuito"): ids, labels, masks
// and their places in the dialog's grid, in the dialog's tab order.

#include "DialogTemplate.h"

const DialogTemplate& MvCaracteristicasTemplate();
