// The preview window under a display (xvfb-run in CI): title from the job, pages, navigation and zoom,
// closed by the next run or by the user; a screenshot of it is left for a person to look at.

#include "ReportFixtures.h"
#include "ReportPreview.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace reporttest;

namespace {

class PreviewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!std::getenv("DISPLAY"))
            return;
        static int argc = 1;
        static char name[] = "report_preview_tests";
        static char* argv[] = {name, nullptr};
        wxApp::SetInstance(new wxApp());
        s_ready = wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
        wxInitAllImageHandlers();
    }
    static void TearDownTestSuite()
    {
        if (s_ready)
            wxEntryCleanup();
    }

    void SetUp() override
    {
        if (!s_ready)
            GTEST_SKIP() << "no display";
        env.printers->SetPreviewHost(&host);
        database = env.File("p.lvp");
        std::string sql = ProjectSchemaSql();
        std::vector<Line> lines;
        for (int i = 1; i <= 90; ++i)
            lines.push_back({i <= 45 ? 2 : 3, "Linha de relatório número " + std::to_string(i) + " :", "valor"});
        sql += CircuitSql(1, 0, "QD-Prévia", 3, lines);
        zeltest::MakeDatabase(database, sql);
    }

    static void Pump(int milliseconds = 300)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < end) {
            wxTheApp->ProcessPendingEvents();
            wxYield();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    static inline bool s_ready = false;
    ReportEnvironment env;
    WxReportPreviewHost host;
    std::string database;
};

TEST_F(PreviewTest, ShowsTheRunsPagesWithNavigationAndZoomAndClosesWithTheNextRun)
{
    Crystal job(env.Layout("ZelBt04.zel"));
    std::vector<Crystal*> subs = {new Crystal("Lvsize03.rpt", &job), new Crystal("Lvsize04.rpt", &job),
                                  new Crystal("Lvsize05.rpt", &job)};
    RunCircuitReport(job, subs, database, 1, "QD-Prévia", "D'Ávila Engenharia", "Usina São João");
    ReportWindowHandle first = job.GetWindowHandle();
    ReportPreviewFrame* frame = host.Frame(first);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle().utf8_string(), "Vardek - LVSIZE 4.0");
    EXPECT_TRUE(frame->IsMaximized() || frame->IsShown());
    ASSERT_GE(frame->PageCount(), 2);
    Pump();

    frame->GoToPage(1);
    EXPECT_EQ(frame->CurrentPage(), 1);
    frame->GoToPage(99);
    EXPECT_EQ(frame->CurrentPage(), frame->PageCount() - 1);
    frame->GoToPage(0);
    frame->SetZoom(1.5);
    EXPECT_DOUBLE_EQ(frame->Zoom(), 1.5);
    frame->FitPage();
    Pump();

    // A screenshot of the window for a person to look at.
    wxRect r = frame->GetScreenRect();
    wxScreenDC screen;
    wxBitmap shot(r.width, r.height);
    wxMemoryDC memory(shot);
    memory.Blit(0, 0, r.width, r.height, &screen, r.x, r.y);
    memory.SelectObject(wxNullBitmap);
    EXPECT_TRUE(shot.ConvertToImage().SaveFile(OutputDir() + "/preview-window.png", wxBITMAP_TYPE_PNG));

    // The next run of the job closes this window and opens its own.
    RunCircuitReport(job, subs, database, 1, "QD-Prévia", "Outra empresa", "Usina São João");
    EXPECT_FALSE(host.IsOpen(first));
    ReportWindowHandle second = job.GetWindowHandle();
    EXPECT_NE(host.Frame(second), nullptr);
    Pump(100);

    // The user closes it: the job has no window any more.
    host.Frame(second)->Close(true);
    Pump(100);
    EXPECT_FALSE(host.IsOpen(second));
    EXPECT_THROW(job.GetWindowHandle(), CUserException);
}

}  // namespace
