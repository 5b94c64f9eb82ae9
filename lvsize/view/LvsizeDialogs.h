#pragma once
// The dialogs behind Lvsize's tree commands: those both sizing programs have, and its load, motor and
// protection-device dialogs.

#include "CircuitDialogs.h"

struct LvsizeDialogEntries : CircuitDialogEntries {
    std::function<int()> cargaCorrente;        // CCarga_corrente
    std::function<int()> cargaMotor;           // CCarga_motor
    std::function<int()> dispositivoProtecao;  // CDispositivo_protecao
};

LvsizeDialogEntries& LvsizeDialogs();
