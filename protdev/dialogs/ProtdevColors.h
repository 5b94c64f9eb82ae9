#pragma once
// Protdev paints a valid field white on black and an invalid one yellow on black.

#include "EditColor.h"
#include "ValidityColors.h"

#include <string>

inline void SetProtdevValidity(CEditColor& edit, bool valid)
{
    SetValidityColors(&edit, valid ? 1 : 0, zel::ui::kValidBackground, zel::ui::kValidText,
                      zel::ui::kProtdevInvalidBackground, zel::ui::kInvalidText);
}

// The message of a rated current, or a curve current, typed twice.
inline constexpr const char* kCorrenteJaCadastrada = "Corrente nominal já cadastrada !";
inline constexpr const char* kAtencao = "ATENÇÃO";

// A description of blanks names nothing: the tree and Lvsize's device list would show an empty line.
inline bool DescricaoPreenchida(const std::string& descricao)
{
    return descricao.find_first_not_of(" \t") != std::string::npos;
}
