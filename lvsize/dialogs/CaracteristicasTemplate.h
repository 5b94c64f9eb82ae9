#pragma once
// The templates of the circuit characteristics dialog (148 "Dados do circuito") and of the selection-list
// dialog (142 "Seleção de dados"): ids, labels, masks and their places in the dialog's grid.

#include "DialogTemplate.h"

const DialogTemplate& CaracteristicasTemplate();
const DialogTemplate& SelecaoDadosTemplate();
