-- ZelMt01.zel: the medium-voltage reference catalogue (NBR 14039). Shipped data: no program writes it.
--
-- Jet type names as in ZelBt01.sql: the typed getters check them strictly (BYTE via GetFieldByte, SHORT
-- via GetFieldShort, SINGLE via GetFieldFloat, TEXT via GetFieldString). Columns the programs only name
-- in WHERE clauses are typed for what they hold. Names and descriptions compare without regard to case;
-- the dialog finds a method, class, cable or connection again by its description, so those are unique.
-- Two tables share their names with ZelBt01.zel (fator_correcao_temperatura, tabela_selecao) but not
-- their columns.

CREATE TABLE cabo (
    cabo_codigo           BYTE NOT NULL PRIMARY KEY,
    cabo_descricao        TEXT(80) NOT NULL COLLATE NOCASE UNIQUE,
    MATERIAL_CONDUTOR     TEXT(2) NOT NULL,        -- CU or AL
    TEMPERATURA_CONDUTOR  SHORT NOT NULL,          -- 90 or 105 C in service
    flag_ativo            TEXT(1) NOT NULL,        -- S/s = offered in the dialog
    ordem                 SHORT NOT NULL,
    tipo_isolacao_codigo  BYTE NOT NULL
);

CREATE TABLE classe_tensao (
    classe_tensao_codigo     BYTE NOT NULL PRIMARY KEY,
    classe_tensao_descricao  TEXT(30) NOT NULL COLLATE NOCASE UNIQUE,
    classe_tensao_maxima     SINGLE NOT NULL       -- kV, highest service voltage of the class
);

CREATE TABLE maneira_instalar (
    maneira_instalar_codigo       BYTE NOT NULL PRIMARY KEY,
    maneira_instalar_descricao    TEXT(255) NOT NULL COLLATE NOCASE UNIQUE,
    tipo_maneira_instalar_codigo  BYTE NOT NULL    -- 1 air, 2 soil, 3 trench and duct bank
);

CREATE TABLE maneira_instalar_x_classe_tensao_x_cabo (
    maneira_instalar_codigo  BYTE NOT NULL,
    classe_tensao_codigo     BYTE NOT NULL,
    cabo_codigo              BYTE NOT NULL,
    PRIMARY KEY (maneira_instalar_codigo, classe_tensao_codigo, cabo_codigo)
);

CREATE TABLE fator_correcao_temperatura (
    tipo_maneira_instalar_codigo      BYTE NOT NULL,
    tipo_isolacao_codigo              BYTE NOT NULL,
    temperatura_ambiente              BYTE NOT NULL,
    temperatura_condutor              SHORT NOT NULL,
    fator_correcao_temperatura_valor  SINGLE NOT NULL
);
-- The engine's key has no insulation code: one row per (type, ambient, conductor temperature).
CREATE UNIQUE INDEX fator_correcao_temperatura_chave
    ON fator_correcao_temperatura (tipo_maneira_instalar_codigo, temperatura_ambiente, temperatura_condutor);

CREATE TABLE referencias_metodo_instalacao_NBR_14039 (
    Maneira_de_Instalar  BYTE NOT NULL,
    Tipo_de_Cabo         BYTE NOT NULL,
    Disposicao           BYTE NOT NULL,
    Metodo_referencia    TEXT(2) NOT NULL,
    PRIMARY KEY (Maneira_de_Instalar, Tipo_de_Cabo, Disposicao)
);

-- No ORDER BY reads this table: the rows of one (material, temperature, faixa, method) go in by ascending
-- section and rowid order keeps them so (no primary key that would reorder them).
CREATE TABLE capacidade_corrente_NBR_14039 (
    material_condutor     TEXT(2) NOT NULL,
    temperatura_condutor  SHORT NOT NULL,
    faixa_tensao          SHORT NOT NULL,
    metodo_instalacao     TEXT(2) NOT NULL,
    seccao_condutor       SHORT NOT NULL,
    capacidade_corrente   SINGLE NOT NULL
);
CREATE UNIQUE INDEX capacidade_corrente_chave ON capacidade_corrente_NBR_14039
    (material_condutor, temperatura_condutor, faixa_tensao, metodo_instalacao, seccao_condutor);

CREATE TABLE resistividade_termica_solo (
    resistividade_termica_solo    SINGLE NOT NULL,   -- K.m/W, one decimal
    metodo_instalacao             TEXT(2) NOT NULL,
    fator_correcao_resistividade  SINGLE NOT NULL,
    PRIMARY KEY (resistividade_termica_solo, metodo_instalacao)
);

CREATE TABLE fator_agrupamento_NBR_14039 (
    metodo_referencia       TEXT(2) NOT NULL,
    tipo_cabo               BYTE NOT NULL,
    orientacao              BYTE NOT NULL,
    numero_bandejas         BYTE NOT NULL,
    numero_ternas_ou_cabos  BYTE NOT NULL,
    fator_ate_95            SINGLE NOT NULL,
    fator_maior_95          SINGLE NOT NULL,
    PRIMARY KEY (metodo_referencia, tipo_cabo, orientacao, numero_bandejas, numero_ternas_ou_cabos)
);

CREATE TABLE secao (
    secao_nominal  SHORT NOT NULL PRIMARY KEY
);

CREATE TABLE queda_tensao_catalogo (
    cabo             BYTE NOT NULL,
    classe_tensao    BYTE NOT NULL,
    secao            SHORT NOT NULL,
    Tripolar_Rca     SINGLE NOT NULL,
    Tripolar_Xl      SINGLE NOT NULL,
    Unipolar_2d_Rca  SINGLE NOT NULL,
    Unipolar_2d_Xl   SINGLE NOT NULL,
    Unipolar_20_Rca  SINGLE NOT NULL,
    Unipolar_20_Xl   SINGLE NOT NULL,
    Trifolio_Rca     SINGLE NOT NULL,
    Trifolio_Xl      SINGLE NOT NULL,
    Banco_Rca        SINGLE NOT NULL,
    Banco_Xl         SINGLE NOT NULL,
    xc               SINGLE NOT NULL,
    PRIMARY KEY (cabo, classe_tensao, secao)
);

CREATE TABLE cabo_x_secao_blindagem (
    cabo_codigo              BYTE NOT NULL,
    classe_tensao_codigo     BYTE NOT NULL,
    secao_nominal            SHORT NOT NULL,
    secao_nominal_blindagem  SINGLE NOT NULL,
    PRIMARY KEY (cabo_codigo, classe_tensao_codigo, secao_nominal)
);

-- Shipped empty (no source holds a terminal range): the report line then prints no terminal.
CREATE TABLE terminais (
    cabo              BYTE NOT NULL,     -- 1 for cable codes 4, 5 and 8, 2 for the others
    condutor          TEXT(2) NOT NULL,
    classe_de_tensao  BYTE NOT NULL,
    secao_nominal     SHORT NOT NULL,
    terminal          TEXT(50) NOT NULL,
    PRIMARY KEY (cabo, condutor, classe_de_tensao, secao_nominal)
);

CREATE TABLE conexao_tipo (
    conexao_tipo_codigo     BYTE NOT NULL PRIMARY KEY,
    conexao_tipo_descricao  TEXT(80) NOT NULL COLLATE NOCASE UNIQUE
);

CREATE TABLE tabela_selecao (
    tabela_selecao_codigo      BYTE NOT NULL,
    tabela_selecao_sequencial  BYTE NOT NULL,   -- 0 the question, 1.. the options
    tabela_selecao_descricao   TEXT(255) NOT NULL,
    PRIMARY KEY (tabela_selecao_codigo, tabela_selecao_sequencial)
);
