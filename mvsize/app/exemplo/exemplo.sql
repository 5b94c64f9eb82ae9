-- The example project of scripts/run-mvsize.sh, applied to a copy of the template ZelMt02.zel: a 13,8 kV
-- main feeder with two branch feeders and a separate feeder, on the shipped catalogue's codes (method 5
-- directly buried, class 3 8,7/15 kV, cable 1 EPR 90 °C copper, single-core cables in trefoil).
BEGIN;
INSERT INTO projeto (projeto_cliente, projeto_responsavel, projeto_data_criacao, projeto_numero_revisao,
                     projeto_comentario)
VALUES ('Exemplo Ltda.', 'Eng. Responsável', 46000, 1, 'Projeto de exemplo do Mvsize');

INSERT INTO circuito (circuito_sequencial, circuito_sequencial_pai, circuito_codigo, maneira_instalar_codigo,
    classe_tensao_codigo, cabo_codigo, temperatura_ambiente, circuito_corrente_projeto, circuito_tensao_servico,
    circuito_queda_tensao_maxima, circuito_fator_potencia, circuito_comprimento, conexao_tipo_codigo,
    circuito_tempo_curto_condutor, circuito_tempo_curto_blindagem, circuito_corrente_curto_condutor,
    circuito_numero_condutores, circuito_secao_condutor_imposta, circuito_fator_agrupamento_imposto,
    circuito_calculado, disposicao_dos_cabos, resistividade_termica, tipo_cabo, espacamento_cabos_ternas,
    numero_bandejas, numero_ternas, orientacao)
VALUES
    (1, NULL, 'AL-PRINCIPAL', 5, 3, 1, 20, 0,   13.8, 5, 0,   800,  1, 0.25, 1, 10, 0, 0, 0, 0, 2, 2.5, 1, 0, 0, 1, 1),
    (2, 1,    'SE-01',        5, 3, 1, 20, 120, 13.8, 5, 0.9, 400,  1, 0.25, 1, 10, 0, 0, 0, 0, 2, 2.5, 1, 0, 0, 1, 1),
    (3, 1,    'SE-02',        5, 3, 1, 20, 80,  13.8, 5, 0.9, 650,  1, 0.25, 1, 10, 0, 0, 0, 0, 2, 2.5, 1, 0, 0, 1, 1),
    (4, NULL, 'BOMBAS',       5, 3, 1, 20, 200, 13.8, 5, 0.9, 1000, 1, 0.25, 1, 10, 0, 0, 0, 0, 2, 2.5, 1, 0, 0, 1, 1);
COMMIT;
