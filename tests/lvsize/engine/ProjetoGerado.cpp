#include "ProjetoGerado.h"

#include "SqlValue.h"

#include <string>

namespace lvrun {

namespace {

struct No {
    short seq, pai;
    std::string codigo;
    int sistema, cabo, dispositivo;
    float fator, L, Uff, U0, quedaPartida, ikmax, secaoMinima, corrente, fp;
    int q13;
};

void Inserir(CDaoDatabase& db, const No& c)
{
    db.Execute(FormatC("INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo,"
                       "maneira_instalar_codigo,sistema_codigo,cabo_codigo,temperatura_ambiente,circuito_comprimento,"
                       "circuito_tensao_fase_fase,circuito_tensao_fase_neutro,circuito_secao_minima,"
                       "circuito_fator_demanda,circuito_corrente_cc_presumida,circuito_queda_tensao_regime,"
                       "circuito_queda_tensao_partida,circuito_corrente_regime,circuito_fator_potencia_regime,"
                       "dispositivo_protecao_codigo,circuito_fator_correcao_disjuntor,circuito_calculado) "
                       "VALUES(%i,%s,?,3,%i,%i,30,%g,%g,%g,%g,1,%g,4,%g,%g,%g,%i,%g,0)",
                       c.seq, c.pai > 0 ? FormatC("%i", c.pai).c_str() : "NULL", c.sistema, c.cabo,
                       static_cast<double>(c.L), static_cast<double>(c.Uff), static_cast<double>(c.U0),
                       static_cast<double>(c.secaoMinima), static_cast<double>(c.ikmax),
                       static_cast<double>(c.quedaPartida), static_cast<double>(c.corrente),
                       static_cast<double>(c.fp), c.dispositivo, static_cast<double>(c.fator)),
               SqlParams{c.codigo});
    // Three-phase systems with neutral ask for the loaded conductors; every circuit says how many share
    // its conduit.
    if (c.sistema == 5)
        db.Execute(FormatC("INSERT INTO circuito_x_tabela_selecao VALUES(%i,1,1)", c.seq));
    db.Execute(FormatC("INSERT INTO circuito_x_tabela_selecao VALUES(%i,13,%i)", c.seq, c.q13));
}

}  // namespace

void GerarProjeto(CDaoDatabase& db, int alimentadores)
{
    CDaoTransaction t(db);
    short seq = 0;
    for (int f = 1; f <= alimentadores; ++f) {
        const short alimentador = ++seq;
        Inserir(db, {alimentador, 0, FormatC("QG%i", f), 5, 2, 4, 0.0f, 40, 380, 220, 10, 20, 2.5f, 0, 0, 1});
        for (int d = 1; d <= 9; ++d) {
            const short quadro = ++seq;
            // Boards on gG fuses, curve C breakers and the moulded-case breaker in turn.
            const int dispositivo = d % 3 == 0 ? 3 : (d % 3 == 1 ? 4 : 2);
            Inserir(db, {quadro, alimentador, FormatC("QD%i.%i", f, d), 5, 2, dispositivo, dispositivo == 4 ? 0.0f : 1.0f,
                         25, 380, 220, 10, 10, 2.5f, 0, 0, 1});
            for (int i = 1; i <= 10; ++i) {
                const short terminal = ++seq;
                const std::string codigo = FormatC("C%i.%i.%i", f, d, i);
                if (i <= 6) {
                    // Lighting (1-3) and sockets (4-6), single-phase, three circuits per conduit.
                    const bool iluminacao = i <= 3;
                    Inserir(db, {terminal, quadro, codigo, 1, 1, iluminacao ? 1 : 2, 1.0f, 15.0f + 5 * i, 0, 220,
                                 0, 3, iluminacao ? 1.5f : 2.5f, 0, 0, 3});
                    db.Execute(FormatC("INSERT INTO carga(circuito_sequencial,carga_sequencial,carga_fator_demanda,"
                                       "carga_numero_cargas_iguais,carga_potencia_ativa,carga_fator_potencia) "
                                       "VALUES(%i,1,%4.2f,%i,%9.1f,%4.2f)",
                                       terminal, iluminacao ? 1.0 : 0.8, iluminacao ? 8 : 6, iluminacao ? 100.0 : 200.0,
                                       iluminacao ? 0.92 : 0.8));
                } else if (i <= 8) {
                    // Three-phase load on gG fuses.
                    Inserir(db, {terminal, quadro, codigo, 7, 1, 4, 0.0f, 30, 380, 0, 0, 3, 2.5f, 0, 0, 1});
                    db.Execute(FormatC("INSERT INTO carga(circuito_sequencial,carga_sequencial,carga_fator_demanda,"
                                       "carga_numero_cargas_iguais,carga_potencia_ativa,carga_fator_potencia) "
                                       "VALUES(%i,1,1.00,1,5000.0,0.85)",
                                       terminal));
                } else {
                    // Motor, curve C breaker; the start limit is 10 %.
                    Inserir(db, {terminal, quadro, codigo, 7, 1, 2, 1.0f, 20, 380, 0, 10, 3, 2.5f, 0, 0, 1});
                    db.Execute(FormatC("INSERT INTO motor(circuito_sequencial,motor_sequencial,motor_qtde_motores,"
                                       "motor_corrente_regime,motor_fator_potencia_regime,motor_potencia,"
                                       "motor_corrente_partida,motor_fator_potencia_partida) "
                                       "VALUES (%i,1,1,7.5,0.83,3.7,45.0,0.40)",
                                       terminal));
                }
            }
        }
    }
    t.Commit();
}

}  // namespace lvrun
