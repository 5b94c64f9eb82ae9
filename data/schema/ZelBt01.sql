-- ZelBt01.zel: the low-voltage reference catalogue and the protection-device library.
--
-- Column types are the Jet names the data layer maps to variant types (BIT, BYTE, SHORT, LONG, SINGLE,
-- DOUBLE, DATETIME, TEXT(n)); the typed getters of the programs check them strictly, so a column read
-- through GetFieldByte must be BYTE, GetFieldShort SHORT, GetFieldFloat SINGLE, GetFieldDouble DOUBLE,
-- GetFieldBool BIT and GetFieldString TEXT. Columns that the programs only name in SQL (joins, WHERE,
-- ORDER BY) are typed here for what they hold.
--
-- Names and descriptions compare without regard to case, as they did on the original engine, and
-- are unique: the dialogs find a method, a system or a cable again by its description.

-- Supply systems. The code itself carries the neutral rule of the sizing engine (see SCHEMA-NOTES.md).
CREATE TABLE sistema (
    sistema_codigo                 BYTE NOT NULL PRIMARY KEY,
    sistema_descricao              TEXT(60) NOT NULL COLLATE NOCASE UNIQUE,
    sistema_tipo_codigo            BYTE NOT NULL,      -- 1 single-phase, 2 direct current, 3 three-phase
    sistema_numero_condutores      SHORT NOT NULL,     -- live conductors
    sistema_considera_tensao_fase  BIT NOT NULL,       -- currents and drops on the phase-phase voltage
    sistema_fator_calculo_demanda  SINGLE NOT NULL,
    sistema_neutro_tabelado        BIT NOT NULL,
    sistema_tensao_fase_fase       BIT NOT NULL,
    sistema_tensao_fase_neutro     BIT NOT NULL,
    sistema_terra                  BIT NOT NULL,
    -- Earthing arrangement (NBR 5410 4.2.2.2): the engine checks automatic disconnection by the TN
    -- condition only on 'TN' systems.
    sistema_esquema_aterramento    TEXT(2) NOT NULL CHECK (sistema_esquema_aterramento IN ('TN', 'TT', 'IT'))
);

-- Which systems a sub-circuit may have under a circuit of sistema_codigo.
CREATE TABLE sistema_compativel (
    sistema_codigo             BYTE NOT NULL,
    sistema_codigo_compativel  BYTE NOT NULL,
    PRIMARY KEY (sistema_codigo, sistema_codigo_compativel)
);

-- Installation methods of Tabela 33. The standard's own number (11A, 61A, ...) is kept beside the code.
CREATE TABLE maneira_instalar (
    maneira_instalar_codigo            BYTE NOT NULL PRIMARY KEY,
    maneira_instalar_descricao         TEXT(255) NOT NULL COLLATE NOCASE UNIQUE,
    tipo_correcao_temperatura_codigo   BYTE NOT NULL,  -- 1 air, 2 soil
    maneira_instalar_numero            TEXT(4) NOT NULL, -- number in Tabela 33
    maneira_instalar_metodo_referencia TEXT(10) NOT NULL -- reference method(s) Tabela 33 gives
);

-- Cable types. ordem is read here too: the cable list's statement orders the cable rows by it.
CREATE TABLE cabo (
    cabo_codigo                    BYTE NOT NULL PRIMARY KEY,
    cabo_descricao                 TEXT(80) NOT NULL COLLATE NOCASE UNIQUE,
    cabo_constante_curto_circuito  SHORT NOT NULL,     -- k of Tabela 30, A.s^0.5/mm2
    cabo_constante_i2t_x           SINGLE NOT NULL,
    cabo_constante_i2t_y           SINGLE NOT NULL,
    secao_nominal                  SINGLE NOT NULL,    -- largest section made, mm2
    tipo_isolacao_codigo           BYTE NOT NULL,      -- 1 PVC 70 C, 2 EPR/XLPE 90 C
    VEIAS                          BYTE NOT NULL,      -- 1 single-core, 3 multi-core
    cabo_material                  TEXT(2) NOT NULL,   -- 'cu' or 'al'
    ordem                          SHORT NOT NULL DEFAULT 0
);

-- The combinations the dialogs offer, with the tables (or the trees that pick them) for each.
CREATE TABLE maneira_instalar_x_sistema_x_cabo (
    maneira_instalar_codigo                BYTE NOT NULL,
    sistema_codigo                         BYTE NOT NULL,
    cabo_codigo                            BYTE NOT NULL,
    ordem                                  SHORT NOT NULL DEFAULT 0,
    capacidade_corrente_tabela             BYTE NOT NULL DEFAULT 0,
    referencia_capacidade_corrente_codigo  SHORT NOT NULL DEFAULT 0,
    queda_tensao_tabela                    BYTE NOT NULL DEFAULT 0,
    referencia_queda_tensao_codigo         SHORT NOT NULL DEFAULT 0,
    referencia_agrupamento_codigo          SHORT NOT NULL DEFAULT 0,
    PRIMARY KEY (maneira_instalar_codigo, sistema_codigo, cabo_codigo)
);
CREATE INDEX maneira_instalar_x_sistema_x_cabo_sistema ON maneira_instalar_x_sistema_x_cabo (sistema_codigo);

-- Tabela 40.
CREATE TABLE fator_correcao_temperatura (
    tipo_correcao_temperatura_codigo  BYTE NOT NULL,
    tipo_isolacao_codigo              BYTE NOT NULL,
    temperatura_ambiente              BYTE NOT NULL,
    fator_correcao_temperatura_fator  SINGLE NOT NULL,
    PRIMARY KEY (tipo_correcao_temperatura_codigo, tipo_isolacao_codigo, temperatura_ambiente)
);

-- Nominal sections with the neutral (Tabela 48) and protective-conductor (Tabela 58) sections.
CREATE TABLE secao (
    secao_nominal           SINGLE NOT NULL PRIMARY KEY,
    secao_nominal_neutro    SINGLE NOT NULL,
    secao_nominal_protecao  SINGLE NOT NULL
);

-- Tabelas 36 to 39: one capacidade_corrente_tabela per column of the standard.
CREATE TABLE capacidade_corrente (
    capacidade_corrente_tabela      BYTE NOT NULL,
    secao_nominal                   SINGLE NOT NULL,
    capacidade_corrente_capacidade  SINGLE NOT NULL,
    PRIMARY KEY (capacidade_corrente_tabela, secao_nominal)
);

-- Where each capacity table comes from (read by maintainers and the data tests, not by the programs).
CREATE TABLE capacidade_corrente_origem (
    capacidade_corrente_tabela  BYTE NOT NULL PRIMARY KEY,
    origem_tabela_nbr           SHORT NOT NULL,        -- 36, 37, 38 or 39
    origem_material             TEXT(2) NOT NULL,      -- 'cu' or 'al'
    origem_metodo               TEXT(4) NOT NULL,      -- A1 ... G
    origem_coluna               TEXT(60) NOT NULL,     -- column of the reference file
    origem_condutores_carregados BYTE NOT NULL,        -- 2, 3 or 4
    origem_fator                SINGLE NOT NULL,       -- 1, or 0.86 for four loaded conductors
    origem_descricao            TEXT(255) NOT NULL
);

-- Resistance and reactance per km, one queda_tensao_tabela per material, temperature and layout.
CREATE TABLE queda_tensao (
    queda_tensao_tabela  BYTE NOT NULL,
    secao_nominal        SINGLE NOT NULL,
    queda_tensao_rca     SINGLE NOT NULL,
    queda_tensao_xl      SINGLE NOT NULL,
    PRIMARY KEY (queda_tensao_tabela, secao_nominal)
);

CREATE TABLE queda_tensao_origem (
    queda_tensao_tabela         BYTE NOT NULL PRIMARY KEY,
    origem_material             TEXT(2) NOT NULL,
    origem_temperatura_condutor BYTE NOT NULL,         -- 70 or 90 C
    origem_disposicao           BYTE NOT NULL,         -- 1 touching, 2 flat touching, 3 spaced one diameter
    origem_descricao            TEXT(255) NOT NULL
);

-- Capacity and drop trees: a node is the set of rows sharing the node code.
CREATE TABLE referencia_capacidade_corrente (
    referencia_capacidade_corrente_codigo          SHORT NOT NULL,
    tabela_selecao_codigo                          BYTE NOT NULL,
    tabela_selecao_sequencial                      BYTE NOT NULL,
    referencia_capacidade_corrente_proximo_codigo  SHORT NOT NULL DEFAULT 0,
    capacidade_corrente_tabela                     BYTE NOT NULL DEFAULT 0,
    PRIMARY KEY (referencia_capacidade_corrente_codigo, tabela_selecao_sequencial)
);

CREATE TABLE referencia_queda_tensao (
    referencia_queda_tensao_codigo          SHORT NOT NULL,
    tabela_selecao_codigo                   BYTE NOT NULL,
    tabela_selecao_sequencial               BYTE NOT NULL,
    referencia_queda_tensao_proximo_codigo  SHORT NOT NULL DEFAULT 0,
    queda_tensao_tabela                     BYTE NOT NULL DEFAULT 0,
    PRIMARY KEY (referencia_queda_tensao_codigo, tabela_selecao_sequencial)
);

-- Grouping trees: one referencias_agrupamento row per node (question and how the answer picks a row),
-- its rows in referencia_agrupamento. origem_* say which cell of which standard table a factor is.
CREATE TABLE referencias_agrupamento (
    referencia_agrupamento_codigo       SHORT NOT NULL PRIMARY KEY,
    tabela_selecao_codigo               BYTE NOT NULL,
    referencia_agrupamento_tipo_codigo  BYTE NOT NULL   -- 1 answer, 2 count (none beyond), 3 count (last kept)
);

CREATE TABLE referencia_agrupamento (
    referencia_agrupamento_codigo          SHORT NOT NULL,
    tabela_selecao_codigo                  BYTE NOT NULL,
    tabela_selecao_sequencial              BYTE NOT NULL,
    referencia_agrupamento_proximo_codigo  SHORT NOT NULL DEFAULT 0,
    referencia_agrupamento_fator           SINGLE NOT NULL,
    origem_tabela_nbr                      SHORT NOT NULL DEFAULT 0,  -- 42 ... 45; 0 for a branching row
    origem_linha                           TEXT(40) NOT NULL DEFAULT '',
    origem_coluna                          TEXT(40) NOT NULL DEFAULT '',
    origem_resistividade_solo              SINGLE NOT NULL DEFAULT 0, -- K.m/W of the Tabela 41 factor taken in; 0 none
    PRIMARY KEY (referencia_agrupamento_codigo, tabela_selecao_sequencial)
);

-- Anexo F, Tabela F.1, by the upper end of each band of third-harmonic content.
CREATE TABLE harmonica (
    harmonica_conteudo  BYTE NOT NULL PRIMARY KEY,
    monofasico          DOUBLE NOT NULL,   -- two phases and neutral
    trifasico           DOUBLE NOT NULL    -- three phases and neutral
);

-- Tabela 47.
CREATE TABLE secao_minima (
    secao_minima_titulo  TEXT(80) NOT NULL COLLATE NOCASE PRIMARY KEY,
    secao_minima_valor   SINGLE NOT NULL
);

-- Tabela 41: the resistivities offered, with the factor the standard gives for each.
CREATE TABLE resistividade_termica (
    resistividade_termica_valor  SINGLE NOT NULL PRIMARY KEY,
    resistividade_termica_fator  SINGLE NOT NULL
);

-- The questions of the trees: item 0 is the caption, 1, 2, ... the answers.
CREATE TABLE tabela_selecao (
    tabela_selecao_codigo      BYTE NOT NULL,
    tabela_selecao_sequencial  BYTE NOT NULL,
    tabela_selecao_item        TEXT(120) NOT NULL,
    PRIMARY KEY (tabela_selecao_codigo, tabela_selecao_sequencial)
);

-- The catalogue's stamp, one row written by the build: its release and a digest of its sources. The
-- programs compare the installed catalogue's stamp with the user's library to know when to renew the
-- user's catalogue tables (the device tables below stay the user's).
CREATE TABLE catalogo_versao (
    catalogo_versao_numero      LONG NOT NULL,
    catalogo_versao_assinatura  TEXT(16) NOT NULL
);

-- Protection-device library (maintained by Protdev). A device whose voltage is 0 or NULL is a fuse.
CREATE TABLE dispositivo_protecao (
    dispositivo_protecao_codigo     BYTE NOT NULL PRIMARY KEY,
    dispositivo_protecao_descricao  TEXT(30) NOT NULL,
    dispositivo_protecao_tensao     SHORT
);

CREATE TABLE disjuntor_corrente_nominal (
    dispositivo_protecao_codigo                  BYTE NOT NULL,
    disjuntor_corrente_nominal                   SHORT NOT NULL,
    disjuntor_corrente_t5s                       SINGLE,
    disjuntor_corrente_ruptura                   SINGLE,
    disjuntor_alfa                               SINGLE,
    disjuntor_corrente_minima_atuacao            SINGLE,
    disjuntor_i2t_corrente_minima_atuacao        SINGLE,
    disjuntor_limiar_atuacao_magnetica           SINGLE,
    disjuntor_i2t_termico_limiar_magnetico       SINGLE,
    disjuntor_i2t_magnetico_limiar_magnetico     SINGLE,
    disjuntor_corrente_capacidade                SINGLE,
    disjuntor_i2t_corrente_capacidade            SINGLE,
    disjuntor_corrente_minima_atuacao_magnetica  SINGLE,
    PRIMARY KEY (dispositivo_protecao_codigo, disjuntor_corrente_nominal)
);

CREATE TABLE disjuntor_pontos_curva (
    dispositivo_protecao_codigo  BYTE NOT NULL,
    disjuntor_corrente_nominal   SHORT NOT NULL,
    disjuntor_corrente           SINGLE NOT NULL,
    disjuntor_i2t                SINGLE,
    PRIMARY KEY (dispositivo_protecao_codigo, disjuntor_corrente_nominal, disjuntor_corrente)
);

CREATE TABLE fusivel_corrente_nominal (
    dispositivo_protecao_codigo  BYTE NOT NULL,
    fusivel_corrente_nominal     SHORT NOT NULL,
    fusivel_corrente_t5s         SINGLE,
    fusivel_corrente_ruptura     SINGLE,
    fusivel_alfa                 SINGLE,
    PRIMARY KEY (dispositivo_protecao_codigo, fusivel_corrente_nominal)
);

-- A device's ratings and curve points go with it, and a rating's points with the rating, whatever
-- statement removes them: a new device that is given a freed code must not inherit old rows.
-- Triggers rather than foreign keys: they hold on every connection, with or without
-- PRAGMA foreign_keys.
CREATE TRIGGER dispositivo_protecao_exclui AFTER DELETE ON dispositivo_protecao
BEGIN
    DELETE FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo = OLD.dispositivo_protecao_codigo;
    DELETE FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo = OLD.dispositivo_protecao_codigo;
    DELETE FROM fusivel_corrente_nominal WHERE dispositivo_protecao_codigo = OLD.dispositivo_protecao_codigo;
END;

CREATE TRIGGER dispositivo_protecao_codigo_altera AFTER UPDATE OF dispositivo_protecao_codigo ON dispositivo_protecao
WHEN OLD.dispositivo_protecao_codigo IS NOT NEW.dispositivo_protecao_codigo
BEGIN
    UPDATE disjuntor_pontos_curva SET dispositivo_protecao_codigo = NEW.dispositivo_protecao_codigo
        WHERE dispositivo_protecao_codigo = OLD.dispositivo_protecao_codigo;
    UPDATE disjuntor_corrente_nominal SET dispositivo_protecao_codigo = NEW.dispositivo_protecao_codigo
        WHERE dispositivo_protecao_codigo = OLD.dispositivo_protecao_codigo;
    UPDATE fusivel_corrente_nominal SET dispositivo_protecao_codigo = NEW.dispositivo_protecao_codigo
        WHERE dispositivo_protecao_codigo = OLD.dispositivo_protecao_codigo;
END;

CREATE TRIGGER disjuntor_corrente_nominal_exclui AFTER DELETE ON disjuntor_corrente_nominal
BEGIN
    DELETE FROM disjuntor_pontos_curva
        WHERE dispositivo_protecao_codigo = OLD.dispositivo_protecao_codigo
          AND disjuntor_corrente_nominal = OLD.disjuntor_corrente_nominal;
END;
