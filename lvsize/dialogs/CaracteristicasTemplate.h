#pragma once
// The template of the circuit characteristics dialog (148 "Dados do circuito"): ids, labels, masks and
// their places in the dialog's grid.

#include "DialogTemplate.h"

const DialogTemplate& CaracteristicasTemplate();
