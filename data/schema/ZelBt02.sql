-- ZelBt02.zel: the low-voltage project template. Every project file (.lvp), working copy and the
-- clipboard database has this schema; the template itself holds no rows.
--
-- Jet type names as in ZelBt01.sql. circuito_sequencial is not the rowid (renumbering a key must not
-- reorder the table's stored order, which the tree and the paste walk in) but it is unique: a
-- renumbering that would meet another circuit's key fails as a whole instead of merging two
-- circuits' rows.

CREATE TABLE projeto (
    projeto_cliente          TEXT(20),
    projeto_responsavel      TEXT(20),
    projeto_data_criacao     DATETIME,
    projeto_numero_revisao   SHORT,
    projeto_comentario       TEXT(255)
);

CREATE TABLE circuito (
    circuito_sequencial                             SHORT NOT NULL,
    circuito_sequencial_pai                         SHORT,            -- NULL at the top level
    circuito_codigo                                 TEXT(24) NOT NULL,
    maneira_instalar_codigo                         BYTE DEFAULT 0,
    sistema_codigo                                  BYTE DEFAULT 0,
    cabo_codigo                                     BYTE DEFAULT 0,
    temperatura_ambiente                            BYTE DEFAULT 0,
    circuito_comprimento                            SINGLE DEFAULT 0,
    circuito_tensao_fase_fase                       SHORT DEFAULT 0,
    circuito_tensao_fase_neutro                     SINGLE DEFAULT 0,
    circuito_secao_minima                           SINGLE DEFAULT 0,
    circuito_numero_de_condutores                   SHORT DEFAULT 0,
    circuito_secao_condutor_imposta                 SINGLE DEFAULT 0,
    circuito_fator_agrupamento_imposto              SINGLE DEFAULT 0,
    circuito_fator_demanda                          SINGLE DEFAULT 0,
    circuito_corrente_cc_presumida                  SINGLE DEFAULT 0,
    circuito_conteudo_harmonica                     BYTE DEFAULT 0,
    resistividade_termica_valor                     SINGLE DEFAULT 0,
    circuito_queda_tensao_regime                    SINGLE DEFAULT 0,
    circuito_queda_tensao_partida                   SINGLE DEFAULT 0,
    circuito_dispensar_sobrecarga                   BIT DEFAULT 0,
    circuito_dispensar_contato_indireto             BIT DEFAULT 0,
    circuito_corrente_regime                        SINGLE DEFAULT 0,
    circuito_fator_potencia_regime                  SINGLE DEFAULT 0,
    dispositivo_protecao_codigo                     BYTE DEFAULT 0,
    circuito_fator_correcao_disjuntor               SINGLE DEFAULT 0,
    circuito_horas_ano_funcionamento                SHORT DEFAULT 0,
    circuito_custo_instalacao_cabo                  SHORT DEFAULT 0,
    circuito_numero_anos                            BYTE DEFAULT 0,
    circuito_tarifa_energia                         SINGLE DEFAULT 0,
    circuito_calculado                              BIT DEFAULT 0,
    circuito_numero_condutores_calculado            SHORT DEFAULT 0,
    secao_nominal                                   SINGLE DEFAULT 0,
    circuito_corrente_total_regime                  SINGLE DEFAULT 0,
    circuito_queda_tensao_calculada                 SINGLE DEFAULT 0,
    circuito_corrente_nominal_dispositivo_protecao  TEXT(50) DEFAULT ''
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

CREATE TABLE carga (
    circuito_sequencial         SHORT NOT NULL,
    carga_sequencial            SHORT NOT NULL,
    carga_fator_demanda         SINGLE,
    carga_numero_cargas_iguais  SHORT,
    carga_potencia_ativa        SINGLE,
    carga_fator_potencia        SINGLE
);
CREATE INDEX carga_circuito ON carga (circuito_sequencial);

CREATE TABLE motor (
    circuito_sequencial           SHORT NOT NULL,
    motor_sequencial              SHORT NOT NULL,
    motor_qtde_motores            SHORT,
    motor_corrente_regime         SINGLE,
    motor_fator_potencia_regime   SINGLE,
    motor_potencia                SINGLE,
    motor_corrente_partida        SINGLE,
    motor_fator_potencia_partida  SINGLE
);
CREATE INDEX motor_circuito ON motor (circuito_sequencial);

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

-- A circuit's answers, loads, motors and report lines belong to it: they go when its row goes and
-- follow its key when the key changes, and its sub-circuits follow it as their parent. Triggers
-- rather than foreign keys, so that this holds on every connection (SQLite enforces foreign keys
-- only where PRAGMA foreign_keys is on) and for rows copied between files in any order.
-- Sub-circuits are not deleted here: removing a subtree is the delete command's work, done in one
-- transaction.
CREATE TRIGGER circuito_exclui AFTER DELETE ON circuito
BEGIN
    DELETE FROM circuito_x_tabela_selecao WHERE circuito_sequencial = OLD.circuito_sequencial;
    DELETE FROM carga WHERE circuito_sequencial = OLD.circuito_sequencial;
    DELETE FROM motor WHERE circuito_sequencial = OLD.circuito_sequencial;
    DELETE FROM circuito_impressao WHERE circuito_sequencial = OLD.circuito_sequencial;
END;

CREATE TRIGGER circuito_chave_altera AFTER UPDATE OF circuito_sequencial ON circuito
WHEN OLD.circuito_sequencial IS NOT NEW.circuito_sequencial
BEGIN
    UPDATE circuito_x_tabela_selecao SET circuito_sequencial = NEW.circuito_sequencial
        WHERE circuito_sequencial = OLD.circuito_sequencial;
    UPDATE carga SET circuito_sequencial = NEW.circuito_sequencial
        WHERE circuito_sequencial = OLD.circuito_sequencial;
    UPDATE motor SET circuito_sequencial = NEW.circuito_sequencial
        WHERE circuito_sequencial = OLD.circuito_sequencial;
    UPDATE circuito_impressao SET circuito_sequencial = NEW.circuito_sequencial
        WHERE circuito_sequencial = OLD.circuito_sequencial;
    UPDATE circuito SET circuito_sequencial_pai = NEW.circuito_sequencial
        WHERE circuito_sequencial_pai = OLD.circuito_sequencial;
END;
