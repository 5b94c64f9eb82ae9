// The engine and job objects: one engine per process, jobs and subreports, and every failure turned into
// one log line, one message and a CUserException.

#include "ReportComponent.h"
#include "ReportFixtures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

using namespace reporttest;

namespace {

// The real component, with a record of the calls that open and close things and failures on demand.
class SpyComponent : public ReportComponent {
public:
    explicit SpyComponent(std::vector<std::string>* calls) : m_calls(calls) {}

    int OpenEngine() override
    {
        m_calls->push_back("open engine");
        if (failOpen)
            return 0;
        return ReportComponent::OpenEngine();
    }
    void CloseEngine() override
    {
        m_calls->push_back("close engine");
        ReportComponent::CloseEngine();
    }
    short OpenJob(const std::string& path) override
    {
        short job = ReportComponent::OpenJob(path);
        m_calls->push_back("open job " + std::to_string(job));
        return job;
    }
    short OpenSubreport(short parent, const std::string& name) override
    {
        short job = ReportComponent::OpenSubreport(parent, name);
        m_calls->push_back("open subreport " + std::to_string(job));
        return job;
    }
    int CloseJob(short job) override
    {
        m_calls->push_back("close job " + std::to_string(job));
        if (failClose)
            return 0;
        return ReportComponent::CloseJob(job);
    }
    ReportWindowHandle GetWindowHandle(short job) override
    {
        if (zeroWindow) {
            ReportComponent::GetWindowHandle(-1);  // leaves an error text
            return nullptr;
        }
        return ReportComponent::GetWindowHandle(job);
    }

    bool failOpen = false;
    bool failClose = false;
    bool zeroWindow = false;

private:
    std::vector<std::string>* m_calls;
};

class CrystalFacadeTest : public ::testing::Test {
protected:
    CrystalEngine* SpyEngine()
    {
        auto component = std::make_unique<SpyComponent>(&calls);
        spy = component.get();
        return new CrystalEngine(std::move(component));
    }

    ReportEnvironment env;
    std::vector<std::string> calls;
    SpyComponent* spy = nullptr;
};

TEST_F(CrystalFacadeTest, TheEngineOpensWithTheFirstJobAndClosesAfterTheLast)
{
    ASSERT_EQ(CrystalEngine::Instance(), nullptr);
    auto first = std::make_unique<Crystal>(env.Layout("ZelBt03.zel"), SpyEngine());
    CrystalEngine* engine = CrystalEngine::Instance();
    ASSERT_NE(engine, nullptr);
    auto second = std::make_unique<Crystal>(env.Layout("ZelBt04.zel"));
    EXPECT_EQ(CrystalEngine::Instance(), engine);
    EXPECT_EQ(engine->GetJobCount(), 2);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "open engine"), 1);

    first.reset();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "close engine"), 0);
    EXPECT_EQ(CrystalEngine::Instance(), engine);
    second.reset();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "close engine"), 1);
    EXPECT_EQ(calls.back(), "close engine");
    EXPECT_EQ(CrystalEngine::Instance(), nullptr);
}

TEST_F(CrystalFacadeTest, AJobClosesItsThreeSubreportsBeforeItself)
{
    auto job = std::make_unique<Crystal>(env.Layout("ZelBt04.zel"), SpyEngine());
    Crystal* a = new Crystal("Lvsize03.rpt", job.get());
    Crystal* b = new Crystal("Lvsize04.rpt", job.get());
    Crystal* c = new Crystal("Lvsize05.rpt", job.get());
    EXPECT_EQ(job->GetSubreports(), (std::vector<Crystal*>{a, b, c}));
    EXPECT_EQ(a->GetParent(), job.get());
    // Subreports are not top-level jobs of the engine.
    EXPECT_EQ(CrystalEngine::Instance()->GetJobCount(), 1);
    std::vector<std::string> expected = {"close job " + std::to_string(a->GetJob()),
                                         "close job " + std::to_string(b->GetJob()),
                                         "close job " + std::to_string(c->GetJob()),
                                         "close job " + std::to_string(job->GetJob()), "close engine"};
    calls.clear();
    job.reset();
    EXPECT_EQ(calls, expected);
}

TEST_F(CrystalFacadeTest, ADeletedSubreportLeavesItsParentsList)
{
    Crystal job(env.Layout("ZelBt04.zel"));
    Crystal* a = new Crystal("Lvsize03.rpt", &job);
    Crystal* b = new Crystal("Lvsize04.rpt", &job);
    delete a;
    EXPECT_EQ(job.GetSubreports(), std::vector<Crystal*>{b});
}

TEST_F(CrystalFacadeTest, AFailedCallLogsOneLineShowsOneMessageAndThrows)
{
    Crystal job(env.Layout("ZelBt04.zel"));
    EXPECT_THROW(job.SetFormula("empresa", "'X'"), CUserException);
    ASSERT_EQ(env.messages.shown.size(), 1u);
    const auto& shown = env.messages.shown[0];
    EXPECT_EQ(shown.type & MB_ICON_MASK, MB_ICONERROR);
    EXPECT_EQ(shown.text, "Problema no CRYSTAL : Fórmula desconhecida no relatório ZelBt04.zel: empresa. (107)");
    EXPECT_EQ(env.CrystalLog(),
              "Data 07/03/2024 / Hora 14:05 / Problema no CRYSTAL : Fórmula desconhecida no relatório ZelBt04.zel: "
              "empresa. (107)\r\n");
    // The job is still usable: a known formula goes through.
    EXPECT_EQ(job.SetFormula("CLIENTE", "'X'"), 1);
    EXPECT_EQ(env.messages.shown.size(), 1u);
}

TEST_F(CrystalFacadeTest, EveryCallThatTheComponentRefusesFails)
{
    Crystal job(env.Layout("ZelBt04.zel"));
    Crystal sub("Lvsize03.rpt", &job);
    CrystalPrintOptions badRange;
    badRange.startPageN = 3;
    badRange.stopPageN = 2;
    CrystalPrintOptions badSize;
    badSize.StructSize = 8;
    CrystalTableLocation empty = Location("");
    CrystalTableLocation missing = Location(env.File("nao-existe.lvp"));
    PrinterDeviceMode mode;
    struct Case {
        const char* what;
        std::function<void()> call;
        short code;
    };
    std::vector<Case> cases = {
        {"formula with a broken value", [&] { job.SetFormula("circuito", "'sem fim"); }, REPORT_ERR_FORMULA},
        {"formula not a value", [&] { job.SetFormula("circuito", "abc"); }, REPORT_ERR_FORMULA},
        {"selection unreadable", [&] { job.SetSelectionFormula("{circuito_impressao.circuito_sequencial}=="); },
         REPORT_ERR_SELECTION},
        {"selection on an unknown table", [&] { job.SetSelectionFormula("{motor.circuito_sequencial}=1"); },
         REPORT_ERR_SELECTION},
        {"table index unknown", [&] { job.SetTableLocation(1, Location(env.File("x.lvp"))); }, REPORT_ERR_TABLE_INDEX},
        {"location empty", [&] { job.SetTableLocation(0, empty); }, REPORT_ERR_RECORD},
        {"location missing file", [&] { job.SetTableLocation(0, missing); job.RefreshData(); }, REPORT_ERR_DATA},
        {"page range reversed", [&] { job.SetPrintOptions(badRange); }, REPORT_ERR_PRINT_OPTIONS},
        {"print options size", [&] { job.SetPrintOptions(badSize); }, REPORT_ERR_RECORD},
        {"printer unknown", [&] { job.SelectPrinter("CUPS", "Nenhuma", "", &mode); }, REPORT_ERR_PRINTER},
        {"start without output", [&] { job.Start(); }, REPORT_ERR_NO_DESTINATION},
        {"no window yet", [&] { job.GetWindowHandle(); }, REPORT_ERR_NO_WINDOW},
        {"subreport unknown", [&] { Crystal x("Lvsize09.rpt", &job); }, REPORT_ERR_NO_SUBREPORT},
        {"start a subreport", [&] { sub.OutputToWindow("t", 0, 0, 1, 1, 0); sub.Start(); }, REPORT_ERR_SUBREPORT_JOB},
    };
    size_t shown = 0;
    for (const Case& c : cases) {
        EXPECT_THROW(c.call(), CUserException) << c.what;
        ASSERT_EQ(env.messages.shown.size(), ++shown) << c.what;
        const std::string& text = env.messages.shown.back().text;
        EXPECT_NE(text.find("(" + std::to_string(c.code) + ")"), std::string::npos) << c.what << ": " << text;
        EXPECT_EQ(env.CrystalLogLines(), static_cast<int>(shown)) << c.what;
    }
}

TEST_F(CrystalFacadeTest, AMissingOrBrokenLayoutFailsItsJobAndTheProgramGoesOn)
{
    std::string broken = env.File("Quebrado.zel");
    zeltest::MakeDatabase(env.File("dummy.db"), "CREATE TABLE t (a INT);");
    {
        std::ofstream out(broken);
        out << "zel-report 1\ntitle \"x\"\ntable 0 circuito_impressao\ndata circuito_impressao\n"
               "band detail\n  text 0 0 10 5 \"{circuito_impressao.coluna\"\nend\n";
    }
    struct Case {
        std::string path;
        std::string expected;
    };
    for (const Case& c : {Case{env.File("ZelBt99.zel"), "arquivo de relatório não encontrado: " + env.File("ZelBt99.zel")},
                          Case{broken, "Quebrado.zel, linha 6"}}) {
        size_t shownBefore = env.messages.shown.size();
        int linesBefore = env.CrystalLogLines();
        EXPECT_THROW(Crystal job(c.path), CUserException);
        ASSERT_EQ(env.messages.shown.size(), shownBefore + 1);
        EXPECT_NE(env.messages.shown.back().text.find(c.expected), std::string::npos) << env.messages.shown.back().text;
        EXPECT_NE(env.messages.shown.back().text.find("(103)"), std::string::npos);
        EXPECT_EQ(env.CrystalLogLines(), linesBefore + 1);
    }
    // The engine made for the failed job serves the next ones.
    ASSERT_NE(CrystalEngine::Instance(), nullptr);
    EXPECT_EQ(CrystalEngine::Instance()->GetJobCount(), 0);
    Crystal good(env.Layout("ZelBt03.zel"));
    EXPECT_GT(good.GetJob(), 0);
}

TEST_F(CrystalFacadeTest, ALayoutWithABrokenSubreportFileFailsAsAWhole)
{
    std::ofstream(env.File("Lvsize04.rpt"), std::ios::trunc) << "zel-report 1\nisto não é um relatório\n";
    EXPECT_THROW(Crystal job(env.Layout("ZelBt04.zel")), CUserException);
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_NE(env.messages.shown[0].text.find("Lvsize04.rpt, linha 2"), std::string::npos) << env.messages.shown[0].text;
}

TEST_F(CrystalFacadeTest, AZeroPreviewWindowHandleIsAFailure)
{
    Crystal job(env.Layout("ZelBt04.zel"), SpyEngine());
    spy->zeroWindow = true;
    EXPECT_THROW(job.GetWindowHandle(), CUserException);
    EXPECT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.CrystalLogLines(), 1);
}

TEST_F(CrystalFacadeTest, AFailedCloseIsReportedButTheDestructionGoesOn)
{
    auto job = std::make_unique<Crystal>(env.Layout("ZelBt04.zel"), SpyEngine());
    spy->failClose = true;
    EXPECT_NO_THROW(job.reset());
    EXPECT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.CrystalLogLines(), 1);
    EXPECT_EQ(CrystalEngine::Instance(), nullptr);
}

TEST_F(CrystalFacadeTest, AnEngineThatCannotOpenIsReportedAndThrown)
{
    auto spy_ = std::make_unique<SpyComponent>(&calls);
    spy_->failOpen = true;
    EXPECT_THROW(CrystalEngine engine(std::move(spy_)), CUserException);
    EXPECT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(CrystalEngine::Instance(), nullptr);
}

TEST_F(CrystalFacadeTest, TheErrorTextTravelsThroughAHandleOfItsLength)
{
    auto component = std::make_unique<ReportComponent>();
    component->OpenEngine();
    component->SetFormula(42, "x", "'y'");
    ReportTextHandle handle = 0;
    short length = 0;
    ASSERT_EQ(component->GetErrorText(0, handle, length), 1);
    std::string expected = "Tarefa de relatório inexistente: 42.";
    EXPECT_EQ(length, static_cast<short>(expected.size() + 1));
    std::vector<char> buffer(static_cast<size_t>(length));
    ASSERT_EQ(component->CopyHandleText(handle, buffer.data(), length), 1);
    EXPECT_EQ(std::string(buffer.data()), expected);
    EXPECT_EQ(component->CopyHandleText(handle, buffer.data(), length), 0);  // a handle is used once
    EXPECT_EQ(component->GetErrorCode(0), REPORT_ERR_BAD_JOB);
}

}  // namespace
