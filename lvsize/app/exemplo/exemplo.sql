-- The example project of scripts/run-lvsize.sh, applied to a copy of the template ZelBt02.zel: a panel
-- feeding lighting, outlets and a pump, and an air-conditioning circuit, on the shipped catalogue's codes
-- (methods 3 B1; systems 1 F+N+PE, 5 3F+N+PE, 7 3F+PE; cable 1 Cu PVC; devices 2 curve C breaker, 4 gG fuse).
BEGIN;
INSERT INTO projeto (projeto_cliente, projeto_responsavel, projeto_data_criacao, projeto_numero_revisao,
                     projeto_comentario)
VALUES ('Exemplo Ltda.', 'Eng. Responsável', 46000, 1, 'Projeto de exemplo do Lvsize');

INSERT INTO circuito (circuito_sequencial, circuito_sequencial_pai, circuito_codigo, maneira_instalar_codigo,
    sistema_codigo, cabo_codigo, temperatura_ambiente, circuito_comprimento, circuito_tensao_fase_fase,
    circuito_tensao_fase_neutro, circuito_secao_minima, circuito_numero_de_condutores,
    circuito_secao_condutor_imposta, circuito_fator_agrupamento_imposto, circuito_fator_demanda,
    circuito_corrente_cc_presumida, circuito_conteudo_harmonica, resistividade_termica_valor,
    circuito_queda_tensao_regime, circuito_queda_tensao_partida, circuito_dispensar_sobrecarga,
    circuito_dispensar_contato_indireto, circuito_corrente_regime, circuito_fator_potencia_regime,
    dispositivo_protecao_codigo, circuito_fator_correcao_disjuntor, circuito_horas_ano_funcionamento,
    circuito_custo_instalacao_cabo, circuito_numero_anos, circuito_tarifa_energia, circuito_calculado)
VALUES
    (1, NULL, 'QD1',      3, 5, 1, 30, 30, 380, 220, 2.5, 0, 0, 0, 1, 5,   0, 0, 4, 7, 0, 0, 0,  1,    2, 1, 0, 0, 0, 0, 0),
    (2, 1,    'ILUM-01',  3, 1, 1, 30, 15, 0,   220, 1.5, 0, 0, 0, 1, 1.5, 0, 0, 4, 0, 0, 0, 0,  1,    2, 1, 0, 0, 0, 0, 0),
    (3, 1,    'TUG-01',   3, 1, 1, 30, 20, 0,   220, 2.5, 0, 0, 0, 1, 3,   0, 0, 4, 0, 0, 0, 0,  1,    2, 1, 0, 0, 0, 0, 0),
    (4, 1,    'BOMBA',    3, 7, 1, 30, 60, 380, 0,   2.5, 0, 0, 0, 1, 3,   0, 0, 4, 7, 0, 0, 0,  1,    4, 0, 0, 0, 0, 0, 0),
    (5, NULL, 'AR-COND',  3, 5, 1, 30, 25, 380, 220, 2.5, 0, 0, 0, 1, 5,   0, 0, 4, 0, 0, 0, 12, 0.85, 2, 1, 0, 0, 0, 0, 0);

INSERT INTO circuito_x_tabela_selecao VALUES (1, 1, 1), (1, 13, 1), (2, 13, 1), (3, 13, 1), (4, 13, 1),
                                             (5, 1, 1), (5, 13, 1);

INSERT INTO carga (circuito_sequencial, carga_sequencial, carga_fator_demanda, carga_numero_cargas_iguais,
                   carga_potencia_ativa, carga_fator_potencia)
VALUES (2, 1, 1, 28, 150, 1), (3, 1, 1, 8, 600, 0.8);

INSERT INTO motor (circuito_sequencial, motor_sequencial, motor_qtde_motores, motor_corrente_regime,
                   motor_fator_potencia_regime, motor_potencia, motor_corrente_partida, motor_fator_potencia_partida)
VALUES (4, 1, 1, 15, 0.85, 0, 105, 0.35);
COMMIT;
