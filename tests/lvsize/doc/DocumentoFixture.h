#pragma once
// A scratch folder with the project template, a temporary folder of its own for the working copies, and a
// context that records the messages shown: what every project-document test starts from.

#include "AppContext.h"
#include "Clock.h"
#include "MessageService.h"
#include "OutroProcesso.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace fs = std::filesystem;

class Documento : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(dir.File("tmp"));
        if (const char* t = std::getenv("TMPDIR"))
            tmpdir = t;
        ::setenv("TMPDIR", dir.File("tmp").c_str(), 1);
        modelo = dir.File("ZelBt02.zel");
        fs::copy_file(std::string(ZEL_DATA_DIR) + "/ZelBt02.zel", modelo);
        contexto.messages = &mensagens;
        contexto.clock = &relogio;
        escopo.emplace(contexto);
    }
    void TearDown() override
    {
        escopo.reset();
        if (tmpdir.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", tmpdir.c_str(), 1);
    }

    int Temporarios() const
    {
        int n = 0;
        for (const auto& e : fs::directory_iterator(dir.File("tmp")))
            n += e.path().filename().string().rfind("ZEL", 0) == 0;
        return n;
    }
    // A project file: the template with the rows of the SQL.
    std::string Projeto(const std::string& nome, const std::string& sql)
    {
        const std::string path = dir.File(nome);
        fs::copy_file(modelo, path);
        zeltest::RunSql(path, sql);
        return path;
    }
    // A project file holding one circuit of each kind of row.
    std::string ProjetoComLinhas(const std::string& nome)
    {
        return Projeto(nome,
                        "INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES (1,'QD''1'),(2,'C2');"
                        "UPDATE circuito SET circuito_sequencial_pai=1 WHERE circuito_sequencial=2;"
                        "INSERT INTO circuito_x_tabela_selecao VALUES (1,13,1);"
                        "INSERT INTO carga(circuito_sequencial,carga_sequencial,carga_potencia_ativa) VALUES (2,1,150);"
                        "INSERT INTO motor(circuito_sequencial,motor_sequencial,motor_corrente_regime) VALUES (2,1,15);"
                        "INSERT INTO circuito_impressao(circuito_sequencial,circuito_impressao_sequencial,tipo_dado_codigo) VALUES (1,1,2);"
                        "INSERT INTO projeto(projeto_cliente) VALUES ('Cliente');");
    }
    std::string Contagens(const std::string& path)
    {
        return zeltest::QueryText(
            path, "SELECT (SELECT COUNT(*) FROM circuito)||','||(SELECT COUNT(*) FROM circuito_x_tabela_selecao)||','||"
                  "(SELECT COUNT(*) FROM carga)||','||(SELECT COUNT(*) FROM motor)||','||"
                  "(SELECT COUNT(*) FROM circuito_impressao)||','||(SELECT COUNT(*) FROM projeto)");
    }

    zeltest::TempDir dir;
    std::string tmpdir;
    std::string modelo;
    RecordingMessageService mensagens;
    FixedClock relogio{{2026, 12, 10, 11, 30, 0}};
    CAppContext contexto;
    std::optional<ScopedAppContext> escopo;
    zeltest::ScopedCurrentDir cwd{dir.Path()};
};

