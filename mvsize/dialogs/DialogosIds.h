#pragma once
// Resource ids of Mvsize's economic-sizing (131), selection-list (142), project-data (143), print-options
// (146) and company (160) dialogs.

namespace mvdlg {

inline constexpr int IDD_DIMENSIONAMENTO_ECONOMICO = 131;
inline constexpr int IDD_SELECAO_DADOS = 142;
inline constexpr int IDD_PROJETO_DADOS = 143;
inline constexpr int IDD_IMPRESSAO = 146;
inline constexpr int IDD_EMPRESA = 160;

// Economic sizing (131).
inline constexpr int IDC_CUSTO_INSTALACAO = 1000;
inline constexpr int IDC_HORAS_ANO = 1001;
inline constexpr int IDC_NUMERO_ANOS = 1002;
inline constexpr int IDC_TARIFA_ENERGIA = 1003;
inline constexpr int IDC_ECONOMICO_OK = 1004;
inline constexpr int IDC_DISPENSAR = 1005;

// Selection list (142).
inline constexpr int IDC_SELECAO_LISTA = 1040;
inline constexpr int IDC_SELECAO_PERGUNTA = 1138;

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

// Company (160).
inline constexpr int IDC_NOME_EMPRESA = 1173;

}  // namespace mvdlg
