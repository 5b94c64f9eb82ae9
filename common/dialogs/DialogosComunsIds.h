#pragma once
// Resource ids of the project-data (143) and print-options (146) dialogs, the same in both programs.

namespace zeldlg::ids {

inline constexpr int IDD_PROJETO_DADOS = 143;
inline constexpr int IDD_IMPRESSAO = 146;

// Project data (143).
inline constexpr int IDC_CLIENTE = 1052;
inline constexpr int IDC_RESPONSAVEL = 1053;
inline constexpr int IDC_DATA_CRIACAO = 1054;
inline constexpr int IDC_NUMERO_REVISAO = 1055;
inline constexpr int IDC_COMENTARIO = 1056;

// Print options (146).
inline constexpr int IDC_TODAS = 1061;
inline constexpr int IDC_DE = 1062;
inline constexpr int IDC_PAGINA_INICIAL = 1063;
inline constexpr int IDC_PAGINA_FINAL = 1064;
inline constexpr int IDC_NUMERO_COPIAS = 1065;
inline constexpr int IDC_GRUPO_PAGINAS = 1066;

}  // namespace zeldlg::ids
