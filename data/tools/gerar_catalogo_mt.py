#!/usr/bin/env python3
"""Writes every table of ZelMt01.zel (the medium-voltage catalogue) into data/ZelMt01.

Reads the NBR 14039 reference files (default data/reference/nbr14039; see
MAPPING.md there for the rules followed here) and writes one CSV per table. Every output file opens
with '#' lines naming its sources and every rule by which a value was derived. The build only loads
the CSV files; run this after changing a reference file or a rule, then rebuild and run the tests:

  python3 data/tools/gerar_catalogo_mt.py [--reference DIR]
"""

import argparse
import csv
import io
from pathlib import Path

HERE = Path(__file__).resolve().parent
OUT = HERE.parent / "ZelMt01"

# Voltage classes: code, description (as in the R/X file), highest service voltage U (kV).
CLASSES = [(1, "3,6/6 kV", 6), (2, "6/10 kV", 10), (3, "8,7/15 kV", 15), (4, "12/20 kV", 20),
           (5, "15/25 kV", 25), (6, "20/35 kV", 35)]

# Cables: code, description, material, conductor temperature, insulation type, xc column.
# tipo_isolacao groups by conductor temperature (1 = 90 C, 2 = 105 C): the engine's kt key has no
# insulation code, so one row per (method type, ambient, conductor temperature) must hold.
CABLES = [
    (1, "EPR 90 °C - condutor de cobre", "CU", 90, 1, "xc_EPR_ohm_km"),
    (2, "HEPR 90 °C - condutor de cobre", "CU", 90, 1, "xc_EPR_ohm_km"),
    (3, "XLPE 90 °C - condutor de cobre", "CU", 90, 1, "xc_XLPE_ohm_km"),
    (4, "EPR 105 °C - condutor de cobre", "CU", 105, 2, "xc_EPR_ohm_km"),
    (5, "EPR 90 °C - condutor de alumínio", "AL", 90, 1, "xc_EPR_ohm_km"),
    (6, "HEPR 90 °C - condutor de alumínio", "AL", 90, 1, "xc_EPR_ohm_km"),
    (7, "XLPE 90 °C - condutor de alumínio", "AL", 90, 1, "xc_XLPE_ohm_km"),
    (8, "EPR 105 °C - condutor de alumínio", "AL", 105, 2, "xc_EPR_ohm_km"),
]

# Installation methods: code, description, method type (1 air, 2 soil, 3 trench and duct bank).
METHODS = [
    (1, "Bandejas, leitos, eletrocalhas aramadas ou suportes, ao ar livre, abrigado do sol", 1),
    (2, "Canaleta fechada no solo", 3),
    (3, "Eletroduto ao ar livre, abrigado do sol", 1),
    (4, "Banco de dutos enterrado", 3),
    (5, "Diretamente enterrados", 2),
    (6, "Eletrodutos enterrados", 2),
]

# Stored letter -> column of the 2021 tables (MAPPING.md section 2).
LETTERS = {"A": "A1", "B": "B1", "C": "C", "D": "D", "E": "E", "F": "F1", "G": "G1", "F2": "F2",
           "G2": "G2", "H": "H", "I": "I"}

# (method, cable type, arrangement) -> stored letter (MAPPING.md section 3, 23 rows).
REFERENCES = [
    (1, 1, 1, "B"), (1, 1, 2, "A"), (1, 1, 3, "A"), (1, 2, 0, "A"),
    (2, 1, 1, "D"), (2, 1, 2, "C"), (2, 1, 3, "C"), (2, 2, 0, "C"),
    (3, 1, 1, "E"), (3, 1, 2, "E"), (3, 2, 0, "E"),
    (4, 1, 1, "G2"), (4, 1, 2, "F2"), (4, 1, 3, "F2"), (4, 2, 0, "F2"),
    (5, 1, 1, "I"), (5, 1, 2, "H"), (5, 1, 3, "H"), (5, 2, 0, "H"),
    (6, 1, 1, "G"), (6, 1, 2, "F"), (6, 1, 3, "F"), (6, 2, 0, "F"),
]

SECTIONS = [10, 16, 25, 35, 50, 70, 95, 120, 150, 185, 240, 300, 400, 500, 630, 800, 1000]

# Grouping rows: (letter, tipo_cabo, orientacao, bandejas, ternas, <=95, >95, origin). Values are those
# MAPPING.md section 4.9 derives from the 2021 grouping files named in the origin.
GROUPING = []
for letter in ("A", "B"):
    for t, o, b, n, f, orig in [
            (1, 1, 1, 1, 1.00, "um grupo"), (1, 1, 1, 2, 0.93, "Tab. 34 dois grupos horizontais, e < De"),
            (1, 1, 1, 3, 0.92, "Tab. 34 tres grupos horizontais, e < 1,5 De"),
            (1, 1, 2, 1, 0.88, "Tab. 34 dois grupos verticais, e < 0,5 De"),
            (1, 1, 2, 2, 0.88, "Tab. 34 dois conjuntos de dois trifolios verticais"),
            (1, 1, 2, 3, 0.88, "Tab. 34 tres conjuntos de dois trifolios verticais"),
            (1, 2, 0, 1, 1.00, "um grupo"), (1, 2, 0, 2, 0.88, "Tab. 34 dois grupos verticais")]:
        GROUPING.append((letter, t, o, b, n, f, f, orig + ("; B por analogia (2021 sem tabela para B)" if letter == "B" else "")))
for t, o, b, n, f, orig in [
        (2, 1, 1, 1, 1.00, "um cabo"), (2, 1, 1, 2, 1.00, "Tab. 35 dois horizontais, e >= 0,5 De"),
        (2, 1, 1, 3, 1.00, "Tab. 35 tres horizontais, e >= 0,75 De"),
        (2, 1, 2, 1, 0.90, "Tab. 35 dois verticais, e < 0,5 De"), (2, 1, 2, 2, 0.90, "Tab. 35 dois conjuntos de dois verticais"),
        (2, 1, 3, 1, 0.85, "Tab. 35 tres verticais"), (2, 1, 3, 2, 0.85, "Tab. 35 dois conjuntos de tres verticais"),
        (2, 1, 3, 3, 0.85, "Tab. 35 tres conjuntos de tres verticais"),
        (2, 2, 0, 1, 1.00, "um cabo"), (2, 2, 0, 2, 0.90, "Tab. 35 dois verticais"), (2, 2, 0, 3, 0.85, "Tab. 35 tres verticais")]:
    GROUPING.append(("A", t, o, b, n, f, f, orig))
for letter, t in [("C", 1), ("C", 2), ("D", 1), ("E", 1), ("E", 2)]:
    GROUPING.append((letter, t, 1, 0, 0, 1.00, 1.00, "sem tabela de agrupamento: fator 1"))
BURIED = [  # letter, tipos, origin, [(<=95, >95) for n = 1..4]
    ("F", (1, 2), "Tab. 36, 200 mm entre eletrodutos", [(1.00, 1.00), (0.84, 0.80), (0.74, 0.69), (0.69, 0.64)]),
    ("G", (1,), "Tab. 38, 200 mm, 3n eletrodutos", [(1.00, 0.97), (0.86, 0.82), (0.79, 0.74), (0.75, 0.70)]),
    ("F2", (1, 2), "Tab. 37, n dutos ocupados", [(1.00, 1.00), (0.84, 0.81), (0.73, 0.69), (0.65, 0.61)]),
    ("G2", (1,), "Tab. 39, bancos de 4 / 6 / 9 dutos", [(0.99, 0.94), (0.78, 0.67), (0.67, 0.57)]),
    ("H", (1, 2), "Tab. 40, 3n condutores", [(1.00, 1.00), (0.76, 0.76), (0.65, 0.65), (0.58, 0.58)]),
    ("I", (1,), "Tab. 41, 200 mm entre centros, 3n cabos", [(1.06, 0.92), (0.90, 0.76), (0.82, 0.68), (0.78, 0.64)]),
]
for letter, tipos, orig, values in BURIED:
    for t in tipos:
        for n, (a, b) in enumerate(values, start=1):
            GROUPING.append((letter, t, 1, 0, n, a, b, orig))

QUESTIONS = [
    (40, "Tipo de cabo", ["Cabo unipolar", "Cabo tripolar"]),
    (50, "Tipo de cabo", ["Cabo unipolar", "Cabo tripolar"]),
    (60, "Tipo de cabo", ["Cabo unipolar", "Cabo tripolar"]),
    (70, "Tipo de cabo", ["Cabo unipolar", "Cabo tripolar"]),
    (80, "Tipo de cabo", ["Cabo unipolar", "Cabo tripolar"]),
    (90, "Tipo de cabo", ["Cabo unipolar", "Cabo tripolar"]),
    (41, "Disposição dos cabos unipolares", ["Espaçados (em plano)", "Em trifólio", "Justapostos na horizontal"]),
    (42, "Número de ternas por bandeja", ["1", "2", "3"]),
    (43, "Número de cabos tripolares por bandeja", ["1", "2", "3"]),
    (44, "Número de bandejas", ["1", "2", "3"]),
    (45, "Disposição dos circuitos", ["Instalação horizontal (bandejas)", "Instalação vertical"]),
    # A third option, "Maior que 2 D", states no distance: no reference file holds (and no stated method
    # derives) the reactance of single-core cables so laid, so the drop criterion could never size it.
    (46, "Distância entre cabos/ternas", ["2d (entre eixos), d = diâmetro externo do cabo", "20 cm (entre eixos)"]),
    (51, "Disposição no banco de dutos", ["Um cabo por duto", "Em trifólio no mesmo duto", "Justapostos no mesmo duto"]),
    (52, "Número de ternas (um cabo por duto)", ["1", "2", "3"]),
    (53, "Número de dutos ocupados", ["1", "2", "3", "4"]),
    (61, "Disposição no eletroduto", ["Em trifólio", "Justapostos na horizontal"]),
    (71, "Disposição na canaleta", ["Espaçados (2d entre eixos)", "Em trifólio", "Justapostos na horizontal"]),
    (81, "Disposição dos cabos enterrados", ["Espaçados (20 cm entre eixos)", "Em trifólio", "Justapostos na horizontal"]),
    (82, "Número de circuitos no grupo", ["1 (3 cabos)", "2 (6 cabos)", "3 (9 cabos)", "4 (12 cabos)"]),
    (83, "Número de circuitos no grupo", ["1", "2", "3", "4"]),
    (91, "Disposição nos eletrodutos", ["Um cabo por eletroduto, 20 cm entre eixos", "Em trifólio no mesmo eletroduto", "Justapostos no mesmo eletroduto"]),
    (92, "Número de ternas (um cabo por eletroduto)", ["1", "2", "3", "4"]),
    (93, "Número de eletrodutos ocupados", ["1", "2", "3", "4"]),
]


def read_csv(path):
    comments, body = [], []
    with open(path, encoding="utf-8") as f:
        for line in f:
            (comments if line.startswith("#") and not body else body).append(line)
    return [c.rstrip("\n") for c in comments], list(csv.DictReader(io.StringIO("".join(body))))


def fmt(v):
    if isinstance(v, float):
        t = repr(v)
        return t[:-2] if t.endswith(".0") else t
    return str(v)


def write(name, header, rows, source_lines):
    with open(OUT / f"{name}.csv", "w", encoding="utf-8", newline="") as out:
        for line in source_lines:
            out.write(f"# {line}\n")
        out.write("# Generated by data/tools/gerar_catalogo_mt.py: edit the script or its inputs, not this file.\n")
        w = csv.writer(out, lineterminator="\n")
        w.writerow(header)
        for r in rows:
            w.writerow([fmt(v) for v in r])


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--reference", default=str(HERE.parent / "reference" / "nbr14039"))
    ref = Path(ap.parse_args().reference)
    OUT.mkdir(exist_ok=True)

    # --- R, X, xc and the sections each cable is made in -------------------------------------------
    _, rx = read_csv(ref / "tabela_cabos_R_X_xc_por_classe_60Hz.csv")
    class_code = {d: c for c, d, _ in CLASSES}
    drop_rows, shield_rows, combos = [], [], set()
    for code, _, mat, temp, _, xc_col in CABLES:
        suffix = "cobre" if mat == "CU" else "aluminio"
        for r in rx:
            if int(r["temperatura_condutor_C"]) != temp:
                continue
            cls = class_code[r["classe_tensao"]]
            s = int(r["secao_mm2"])
            ub_x = float(r["UB_Xl_ohm_km"])
            drop_rows.append((code, cls, s,
                              float(r[f"T_Rca_{suffix}_ohm_km"]), float(r["T_Xl_ohm_km"]),
                              float(r[f"UE_Rca_{suffix}_ohm_km"]), float(r["UE_Xl_ohm_km"]),
                              float(r[f"UB_Rca_{suffix}_ohm_km"]), round(ub_x + 0.0087, 4),
                              float(r[f"UT_Rca_{suffix}_ohm_km"]), float(r["UT_Xl_ohm_km"]),
                              float(r[f"UB_Rca_{suffix}_ohm_km"]), ub_x,
                              float(r[xc_col])))
            shield_rows.append((code, cls, s, 6.0))
            combos.add((cls, code))
    drop_rows.sort(key=lambda r: (r[0], r[1], r[2]))
    shield_rows.sort()
    assert all(r[4] > 0 and r[6] > 0 and r[8] > 0 and r[10] > 0 and r[12] > 0 for r in drop_rows)
    write("queda_tensao_catalogo",
          ["cabo", "classe_tensao", "secao", "Tripolar_Rca", "Tripolar_Xl", "Unipolar_2d_Rca", "Unipolar_2d_Xl",
           "Unipolar_20_Rca", "Unipolar_20_Xl", "Trifolio_Rca", "Trifolio_Xl", "Banco_Rca", "Banco_Xl", "xc"],
          drop_rows,
          ["R (ohm/km), X (ohm/km, 60 Hz), xc (ohm.km): data/reference/nbr14039/tabela_cabos_R_X_xc_por_classe_60Hz.csv "
           "(github sbmarcosdev/sw_dimcables migrates/TABELA_CABOS.sql), the rows of the cable's conductor temperature and class; "
           "Rca from the _cobre column for CU cables, _aluminio for AL.",
           "Tripolar = T columns; Unipolar_2d = UE (flat, 2 De between axes); Trifolio = UT (trefoil touching; also used "
           "by the engine for touching flat); Banco = UB (interpreted as one cable per duct of a 200 mm bank, MAPPING.md 4.11).",
           "DERIVED Unipolar_20_Rca = UB Rca (closest layout, 200 mm spacing); DERIVED Unipolar_20_Xl = UB Xl + 0.0087 ohm/km "
           "(flat 200 mm between axes, GMD 252 mm against the bank's 224.5 mm: w*0.2e-3*ln(252/224.5) at 60 Hz).",
           "xc: xc_EPR for EPR, HEPR and EPR 105 cables, xc_XLPE for XLPE cables."])
    write("cabo_x_secao_blindagem", ["cabo_codigo", "classe_tensao_codigo", "secao_nominal", "secao_nominal_blindagem"],
          shield_rows,
          ["Sections: those queda_tensao_catalogo holds for the cable and class (tabela_cabos_R_X_xc_por_classe_60Hz.csv).",
           "DERIVED shield section: 6 mm2 for every cable and section, the standard shield of Prysmian Eprotenax "
           "(data/reference/nbr14039/prysmian_eprotenax_geometria_cobre_unipolar.csv, the only maker's shield source; "
           "8,7/15 and 15/25 kV copper there, taken for every class and material)."])

    # --- cables, classes, methods and their combinations --------------------------------------------
    write("cabo", ["cabo_codigo", "cabo_descricao", "MATERIAL_CONDUTOR", "TEMPERATURA_CONDUTOR", "flag_ativo", "ordem",
                   "tipo_isolacao_codigo"],
          [(c, d, m, t, "S", c, i) for c, d, m, t, i, _ in CABLES],
          ["Cable families of MAPPING.md 4.1: conductor temperature 90 C for EPR, HEPR and XLPE, 105 C for EPR 105 "
           "(NBR 14039 Tabelas 28/29); tipo_isolacao_codigo 1 = 90 C insulations, 2 = 105 C (joins fator_correcao_temperatura).",
           "The range itself (which families are offered) is the catalogue's choice; terminais treats codes 4, 5 and 8 as one family."])
    write("classe_tensao", ["classe_tensao_codigo", "classe_tensao_descricao", "classe_tensao_maxima"],
          [(c, d, float(u)) for c, d, u in CLASSES],
          ["Classes U0/U of tabela_cabos_R_X_xc_por_classe_60Hz.csv in ascending voltage (MAPPING.md 4.2); "
           "classe_tensao_maxima = U. Codes 1-3 form faixa_tensao 1, 4-6 faixa 2."])
    write("maneira_instalar", ["maneira_instalar_codigo", "maneira_instalar_descricao", "tipo_maneira_instalar_codigo"],
          METHODS,
          ["The six methods of MAPPING.md 3 (NBR 14039:2005/Em1:2021 Tabela 25 rows they cover: 1: 1-7, 2: 8-9, 3: 10-11, "
           "4: 14-15 and 17, 5: 18-21, 6: 12-13 and 16). Type 1 air (Tab. 30 abrigado), 2 soil (Tab. 31, resistivity list), "
           "3 trench and duct bank (Tab. 31 values, no resistivity list)."])
    write("maneira_instalar_x_classe_tensao_x_cabo", ["maneira_instalar_codigo", "classe_tensao_codigo", "cabo_codigo"],
          sorted((m, cls, cab) for m, _, _ in METHODS for cls, cab in combos),
          ["Every method with every (class, cable) that cabo_x_secao_blindagem holds (MAPPING.md 4.4)."])
    write("referencias_metodo_instalacao_NBR_14039", ["Maneira_de_Instalar", "Tipo_de_Cabo", "Disposicao", "Metodo_referencia"],
          REFERENCES,
          ["(method, cable type, arrangement) -> reference letter, MAPPING.md 3 (from NBR 14039:2005/Em1:2021 Tabela 25, "
           "data/reference/nbr14039/nbr14039-2021_tab25_tipos_de_linhas.csv). Disposicao 0 = three-core; "
           "1 spaced, 2 trefoil, 3 touching flat (method 3: 1 trefoil, 2 touching flat).",
           "Letters A, B, F, G stand for the 2021 A1, B1, F1, G1; F2 and G2 (duct banks) keep the 2021 code."])

    # --- capacities ---------------------------------------------------------------------------------
    _, amp = read_csv(ref / "nbr14039-2021_tab28_29_capacidade_corrente.csv")
    cap = {}
    for r in amp:
        if r["capacidade_A"].strip():
            cap[(int(r["temperatura_condutor_C"]), r["material"], r["metodo_referencia_2021"], int(r["secao_mm2"]))] = float(r["capacidade_A"])
    cap_rows = []
    for mat, mname in (("CU", "cobre"), ("AL", "aluminio")):
        for temp in (90, 105):
            for faixa in (1, 2):
                for letter, col in LETTERS.items():
                    for s in SECTIONS:
                        v = cap.get((temp, mname, col, s))
                        if v is not None:
                            cap_rows.append((mat, temp, faixa, letter, s, v))
    write("capacidade_corrente_NBR_14039",
          ["material_condutor", "temperatura_condutor", "faixa_tensao", "metodo_instalacao", "seccao_condutor", "capacidade_corrente"],
          cap_rows,
          ["NBR 14039:2005/Em1:2021 Tabela 28 (90 C) and Tabela 29 (105 C): data/reference/nbr14039/"
           "nbr14039-2021_tab28_29_capacidade_corrente.csv; letters A, B, F, G from the 2021 columns A1, B1, F1, G1.",
           "DERIVED faixa_tensao: the 2021 text tabulates one value for all classes, written for faixa 1 and faixa 2 alike "
           "(MAPPING.md 4.2). Cells '-' of the standard are left out.",
           "Rows are stored in ascending section per (material, temperature, faixa, letter): the engine walks them in stored order."])

    # --- correction factors -------------------------------------------------------------------------
    _, air = read_csv(ref / "nbr14039-2021_tab30_fator_temperatura_ar.csv")
    _, soil = read_csv(ref / "nbr14039-2021_tab31_fator_temperatura_solo.csv")
    kt_rows = []
    iso = {90: 1, 105: 2}
    for r in air:
        if r["condicao"] == "abrigado" and r["fator"].strip():
            t = int(r["temperatura_condutor_C"])
            kt_rows.append((1, iso[t], int(r["temperatura_ambiente_C"]), t, float(r["fator"])))
    for tipo in (2, 3):
        for r in soil:
            if r["fator"].strip():
                t = int(r["temperatura_condutor_C"])
                kt_rows.append((tipo, iso[t], int(r["temperatura_solo_C"]), t, float(r["fator"])))
    kt_rows.sort()
    write("fator_correcao_temperatura",
          ["tipo_maneira_instalar_codigo", "tipo_isolacao_codigo", "temperatura_ambiente", "temperatura_condutor",
           "fator_correcao_temperatura_valor"],
          kt_rows,
          ["Type 1 (air): NBR 14039:2021 Tabela 30, sheltered from the sun (nbr14039-2021_tab30_fator_temperatura_ar.csv, "
           "condicao abrigado). Type 2 (soil): Tabela 31 (nbr14039-2021_tab31_fator_temperatura_solo.csv).",
           "DERIVED type 3 (trench and duct bank): the Tabela 31 values (MAPPING.md 4.5). Cells '-' are left out."])
    _, kr = read_csv(ref / "nbr14039-2021_tab32_fator_resistividade_solo.csv")
    kr_rows = []
    for rho in (1.0, 1.5, 2.0, 2.5, 3.0):
        for letter, col in (("F", "F1"), ("G", "G1"), ("H", "H"), ("I", "I")):
            for r in kr:
                if r["metodo_referencia_2021"] == col and float(r["resistividade_K_m_W"]) == rho:
                    kr_rows.append((rho, letter, float(r["fator"])))
    write("resistividade_termica_solo", ["resistividade_termica_solo", "metodo_instalacao", "fator_correcao_resistividade"],
          kr_rows,
          ["NBR 14039:2021 Tabela 32 (nbr14039-2021_tab32_fator_resistividade_solo.csv), columns F1, G1, H, I stored as F, G, H, I.",
           "4.0 K.m/W is not stored: the engine reads any value above 3.0 as ten times too large. Ascending resistivity: the "
           "dialog preselects the fourth value (2.5) for a new circuit."])
    write("fator_agrupamento_NBR_14039",
          ["metodo_referencia", "tipo_cabo", "orientacao", "numero_bandejas", "numero_ternas_ou_cabos", "fator_ate_95",
           "fator_maior_95", "_origem"],
          GROUPING,
          ["NBR 14039:2021 Tabelas 34 to 41 (data/reference/nbr14039/nbr14039-2021_tab34..tab41_*.csv) by the rules of "
           "MAPPING.md 4.9; _origem names the cell.",
           "DERIVED fator_ate_95 / fator_maior_95: the lowest factor of the bands meeting sections up to 95 / from 120 mm2. "
           "Spacing not asked: 200 mm for buried methods, the smallest e/De band on trays. B rows reuse Tabela 34 (trefoil "
           "groups) by analogy. Methods 2 and 3 have no grouping table: factor 1.",
           "Keys without a row (more circuits than the standard tabulates) stop the sizing on purpose: the user imposes a factor."])

    # --- the rest -----------------------------------------------------------------------------------
    write("secao", ["secao_nominal"], [(s,) for s in SECTIONS],
          ["The sections of NBR 14039:2021 Tabelas 28/29 (IEC 60228 series 10 ... 1000 mm2)."])
    write("conexao_tipo", ["conexao_tipo_codigo", "conexao_tipo_descricao"],
          [(1, "Conexões prensadas ou aparafusadas (temperatura final 250 °C)"),
           (2, "Conexões soldadas (temperatura final 160 °C)")],
          ["The engine's K of code 1 (Cu 90 C 142) matches a final temperature of 250 C, the other K (99) 160 C "
           "(k_curto_circuito_condutor_verificacao.csv; 160 C for soldered joints: footnote of NBR 14039:2021 Tabela 43)."])
    # terminais: no source holds a terminal range. The schema creates the table and it ships empty (the
    # build tool loads no header-only file), so the report prints an empty recommended-terminal line.
    write("tabela_selecao", ["tabela_selecao_codigo", "tabela_selecao_sequencial", "tabela_selecao_descricao"],
          [(c, i, t) for c, q, opts in QUESTIONS for i, t in enumerate([q] + opts)],
          ["Layout questions of the circuit dialog (MAPPING.md 4.14): item 0 is the question, 1, 2 ... the options in the "
           "order the program decodes them. Counts list only what fator_agrupamento_NBR_14039 has rows for.",
           "Question 46 offers 2d and 20 cm between axes only. MAPPING.md 4.14's third option, \"Maior que 2 D\", names "
           "no distance: no reference file gives the reactance of single-core cables so spaced (queda_tensao_catalogo "
           "has 2d, 20 cm, trefoil, bank and three-core columns), and none can be derived without the distance."])


if __name__ == "__main__":
    main()
