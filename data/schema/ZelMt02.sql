-- ZelMt02.zel: the medium-voltage project template. Every project file (.mvp), working copy and the
-- clipboard database has this schema; the template itself holds no rows.
--
-- Jet type names as in ZelMt01.sql; the types are those the engine and the circuit dialog read and
-- write each column with. projeto, circuito_x_tabela_selecao and circuito_impressao are the low-voltage
-- template's tables (ZelBt02.sql); there are no load or motor tables. circuito_sequencial is unique but
-- not the rowid, as in ZelBt02.sql.

CREATE TABLE projeto (
    projeto_cliente          TEXT(20),
    projeto_responsavel      TEXT(20),
    projeto_data_criacao     DATETIME,
    projeto_numero_revisao   SHORT,
    projeto_comentario       TEXT(255)
);

CREATE TABLE circuito (
    circuito_sequencial                   SHORT NOT NULL,
    circuito_sequencial_pai               SHORT,            -- NULL at the top level
    circuito_codigo                       TEXT(20) NOT NULL,
    maneira_instalar_codigo               BYTE DEFAULT 0,
    classe_tensao_codigo                  BYTE DEFAULT 0,
    cabo_codigo                           BYTE DEFAULT 0,
    temperatura_ambiente                  BYTE DEFAULT 0,
    circuito_corrente_projeto             SINGLE DEFAULT 0, -- A; 0 = from the sub-circuits
    circuito_tensao_servico               SINGLE DEFAULT 0, -- kV
    circuito_queda_tensao_maxima          SINGLE DEFAULT 0, -- %
    circuito_fator_potencia               SINGLE DEFAULT 0,
    circuito_comprimento                  SINGLE DEFAULT 0, -- m
    conexao_tipo_codigo                   BYTE DEFAULT 0,
    circuito_tempo_curto_condutor         SINGLE DEFAULT 0, -- s
    circuito_tempo_curto_blindagem        SINGLE DEFAULT 0, -- s
    circuito_corrente_curto_condutor      SINGLE DEFAULT 0, -- kA
    circuito_numero_condutores            SHORT DEFAULT 0,  -- 0 = automatic
    circuito_secao_condutor_imposta       SHORT DEFAULT 0,  -- mm2, 0 = automatic
    circuito_fator_agrupamento_imposto    SINGLE DEFAULT 0, -- 0 = automatic
    circuito_calculado                    BIT DEFAULT 0,
    disposicao_dos_cabos                  BYTE DEFAULT 0,
    resistividade_termica                 SINGLE DEFAULT 0, -- K.m/W
    tipo_cabo                             BYTE DEFAULT 0,
    espacamento_cabos_ternas              BYTE DEFAULT 0,
    numero_bandejas                       BYTE DEFAULT 0,
    numero_ternas                         BYTE DEFAULT 0,
    orientacao                            BYTE DEFAULT 0,
    -- economic columns: a top-level circuit leaves them NULL, a sub-circuit copies its parent's
    circuito_custo_instalacao_cabo        SHORT,
    circuito_numero_anos                  BYTE,
    circuito_tarifa_energia               SINGLE,
    circuito_horas_ano_funcionamento      SHORT,
    -- results of the sizing
    circuito_numero_condutores_calculado  SHORT DEFAULT 0,
    secao_nominal                         SHORT DEFAULT 0,
    circuito_corrente_total               SINGLE DEFAULT 0,
    circuito_queda_tensao_calculada       SINGLE DEFAULT 0
);
CREATE UNIQUE INDEX circuito_chave ON circuito (circuito_sequencial);
CREATE INDEX circuito_pai ON circuito (circuito_sequencial_pai);

-- Column order is binding: the answers are written with "INSERT INTO circuito_x_tabela_selecao VALUES(...)".
CREATE TABLE circuito_x_tabela_selecao (
    circuito_sequencial        SHORT NOT NULL,
    tabela_selecao_codigo      BYTE NOT NULL,
    tabela_selecao_sequencial  BYTE NOT NULL
);
CREATE INDEX circuito_x_tabela_selecao_circuito ON circuito_x_tabela_selecao (circuito_sequencial);

CREATE TABLE circuito_impressao (
    circuito_sequencial                   SHORT NOT NULL,
    circuito_impressao_sequencial         SHORT NOT NULL,
    tipo_dado_codigo                      BYTE NOT NULL,   -- 2 input, 3 result
    circuito_impressao_variavel           TEXT(120),
    circuito_impressao_valor              TEXT(120),
    circuito_impressao_motor              BIT DEFAULT 0,
    circuito_impressao_carga              BIT DEFAULT 0,
    circuito_impressao_corrente_continua  BIT DEFAULT 0
);
CREATE INDEX circuito_impressao_circuito ON circuito_impressao (circuito_sequencial);

-- A circuit's answers and report lines belong to it (as in ZelBt02.sql): they go with its row and
-- follow its key; its sub-circuits follow it as their parent.
CREATE TRIGGER circuito_exclui AFTER DELETE ON circuito
BEGIN
    DELETE FROM circuito_x_tabela_selecao WHERE circuito_sequencial = OLD.circuito_sequencial;
    DELETE FROM circuito_impressao WHERE circuito_sequencial = OLD.circuito_sequencial;
END;

CREATE TRIGGER circuito_chave_altera AFTER UPDATE OF circuito_sequencial ON circuito
WHEN OLD.circuito_sequencial IS NOT NEW.circuito_sequencial
BEGIN
    UPDATE circuito_x_tabela_selecao SET circuito_sequencial = NEW.circuito_sequencial
        WHERE circuito_sequencial = OLD.circuito_sequencial;
    UPDATE circuito_impressao SET circuito_sequencial = NEW.circuito_sequencial
        WHERE circuito_sequencial = OLD.circuito_sequencial;
    UPDATE circuito SET circuito_sequencial_pai = NEW.circuito_sequencial
        WHERE circuito_sequencial_pai = OLD.circuito_sequencial;
END;
