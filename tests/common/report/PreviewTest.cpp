// The preview window under a display (xvfb-run in CI): title from the job, pages, navigation and zoom,
// printing and saving as PDF from its buttons and keys, its size kept for the next one; closed by the next
// run or by the user. Screenshots of it are left for a person to look at.

// The window layer's headers define names that wx's own headers would otherwise take first.
#include "WxHost.h"

#include "ReportFixtures.h"
#include "ReportPreview.h"

#include <gtest/gtest.h>

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/statusbr.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

using namespace reporttest;

namespace {

class PreviewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!std::getenv("DISPLAY"))
            return;
        // The file chooser remembers folders and files under the home folder: one of the test's own.
        static zeltest::TempDir home;
        ::setenv("HOME", home.Path().c_str(), 1);
        ::setenv("GSETTINGS_BACKEND", "memory", 1);
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

    // The circuit report of circuit 1 run again on the test's job, previewed; its window.
    ReportPreviewFrame* Preview()
    {
        if (!job) {
            job = std::make_unique<Crystal>(env.Layout("ZelBt04.zel"));
            for (const char* sub : {"Lvsize03.rpt", "Lvsize04.rpt", "Lvsize05.rpt"})
                new Crystal(sub, job.get());
        }
        RunCircuitReport(*job, job->GetSubreports(), database, 1, "QD-Prévia", "D'Ávila Engenharia",
                         "Usina São João");
        ReportPreviewFrame* frame = host.Frame(job->GetWindowHandle());
        Pump(200);
        return frame;
    }

    // A folder "saida" of the test's own, and a file name in it.
    std::string Saida(const std::string& name)
    {
        std::filesystem::create_directories(env.File("saida"));
        return env.File("saida") + "/" + name;
    }

    static void Shot(wxWindow* window, const std::string& name)
    {
        EXPECT_TRUE(zel::wx::SaveScreenshot(window, OutputDir() + "/" + name)) << name;
    }

    static void Key(wxWindow* frame, int code, bool control = false)
    {
        wxKeyEvent event(wxEVT_CHAR_HOOK);
        event.m_keyCode = code;
        event.m_controlDown = control;
        event.SetEventObject(frame);
        frame->GetEventHandler()->ProcessEvent(event);
    }

    static inline bool s_ready = false;
    ReportEnvironment env;
    WxReportPreviewHost host;
    std::string database;
    std::unique_ptr<Crystal> job;  // closes its window before the host goes
};

// Answers the next file chooser the way a user would: with a path, or with Cancel when it is empty. Keeps
// the name and folder the chooser offered.
class FileChooserAnswer {
public:
    explicit FileChooserAnswer(std::string path) : m_path(std::move(path))
    {
        // wx keeps no window object for GTK's native file chooser: it is found among GTK's windows.
        m_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            GList* windows = gtk_window_list_toplevels();
            GtkWidget* found = nullptr;
            for (GList* w = windows; w; w = w->next)
                if (GTK_IS_FILE_CHOOSER_DIALOG(w->data) && gtk_widget_get_visible(GTK_WIDGET(w->data)))
                    found = GTK_WIDGET(w->data);
            g_list_free(windows);
            if (!found)
                return;
            m_timer.Stop();
            seen = true;
            GtkFileChooser* chooser = GTK_FILE_CHOOSER(found);
            title = gtk_window_get_title(GTK_WINDOW(found));
            gchar* name = gtk_file_chooser_get_current_name(chooser);
            offeredName = name ? name : "";
            g_free(name);
            gchar* folder = gtk_file_chooser_get_current_folder(chooser);
            offeredFolder = folder ? folder : "";
            g_free(folder);
            if (beforeAnswer)
                beforeAnswer();
            if (!m_path.empty()) {
                std::filesystem::path p(m_path);
                gtk_file_chooser_set_current_folder(chooser, p.parent_path().c_str());
                gtk_file_chooser_set_current_name(chooser, p.filename().c_str());
            }
            gtk_dialog_response(GTK_DIALOG(found), m_path.empty() ? GTK_RESPONSE_CANCEL : GTK_RESPONSE_ACCEPT);
        });
        m_timer.Start(100);
    }

    bool seen = false;
    std::string title, offeredName, offeredFolder;
    std::function<void()> beforeAnswer;

private:
    std::string m_path;
    wxTimer m_timer;
};

std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

TEST_F(PreviewTest, ShowsTheRunsPagesWithNavigationAndZoomAndClosesWithTheNextRun)
{
    ReportPreviewFrame* frame = Preview();
    ReportWindowHandle first = job->GetWindowHandle();
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
    Shot(frame, "preview-window.png");

    // The next run of the job closes this window and opens its own.
    Preview();
    EXPECT_FALSE(host.IsOpen(first));
    ReportWindowHandle second = job->GetWindowHandle();
    EXPECT_NE(host.Frame(second), nullptr);
    Pump(100);

    // The user closes it: the job has no window any more.
    host.Frame(second)->Close(true);
    Pump(100);
    EXPECT_FALSE(host.IsOpen(second));
    EXPECT_THROW(job->GetWindowHandle(), CUserException);
}

TEST_F(PreviewTest, PrintsOnTheCupsPrinterAfterTheProgramsPrintOptions)
{
    ReportPreviewFrame* frame = Preview();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->PrintButton()->GetLabel().utf8_string(), "Imprimir…");
    EXPECT_EQ(frame->SaveButton()->GetLabel().utf8_string(), "Salvar PDF…");
    EXPECT_TRUE(frame->PrintButton()->IsEnabled());
    EXPECT_EQ(frame->PrintButton()->GetToolTipText().utf8_string(), "Imprimir em Laser_Escritorio (Ctrl+P)");
    Shot(frame, "preview-buttons.png");

    // The program's dialogs belong to the preview while it asks, and to their own owner again after.
    wxWindow mainWindowStandIn;
    wxWindow* owner = &mainWindowStandIn;
    wxWindow* ownerWhenAsked = nullptr;
    host.exchangeDialogOwner = [&](wxWindow* next) {
        std::swap(owner, next);
        return next;
    };
    int asked = 0;
    bool answer = false;
    env.printers->SetPrintOptionsDialog([&](PrintRequest& request) {
        ++asked;
        ownerWhenAsked = owner;
        request.firstPage = 2;
        request.lastPage = 2;
        request.copies = 3;
        request.collation = 1;
        return answer;
    });
    frame->Print();  // cancelled
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(env.backend->jobs.empty());
    EXPECT_EQ(ownerWhenAsked, frame);
    EXPECT_EQ(owner, &mainWindowStandIn);
    answer = true;
    Key(frame, 'P', true);
    EXPECT_EQ(asked, 2);
    ASSERT_EQ(env.backend->jobs.size(), 1u);
    const PrintRequest& sent = env.backend->jobs[0].request;
    EXPECT_EQ(sent.printer, "Laser_Escritorio");
    EXPECT_EQ(sent.copies, 3);
    EXPECT_EQ(sent.firstPage, 2);
    EXPECT_EQ(sent.lastPage, 2);
    EXPECT_EQ(sent.collation, 1);
    EXPECT_EQ(env.backend->jobs[0].pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText().utf8_string(), "Relatório enviado para Laser_Escritorio.");
    EXPECT_TRUE(env.messages.shown.empty());

    // A refused job is told, in the printing system's words.
    env.backend->failWith = "fila parada";
    frame->Print();
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_NE(env.messages.shown[0].text.find("fila parada"), std::string::npos);
    EXPECT_EQ(env.messages.shown[0].type & MB_ICON_MASK, MB_ICONERROR);
    env.backend->failWith.clear();

    // CUPS loses its last printer: the button says why it cannot print, and the key prints nothing.
    env.backend->printers.clear();
    frame->UpdatePrintButton();
    EXPECT_FALSE(frame->PrintButton()->IsEnabled());
    EXPECT_NE(frame->PrintButton()->GetToolTipText().utf8_string().find("Nenhuma impressora"), std::string::npos);
    EXPECT_NE(frame->PrintButton()->GetToolTipText().utf8_string().find("Salvar PDF…"), std::string::npos);
    Key(frame, 'P', true);
    EXPECT_EQ(env.backend->jobs.size(), 1u);
    ASSERT_EQ(env.messages.shown.size(), 2u);
    EXPECT_EQ(env.messages.shown[1].type & MB_ICON_MASK, MB_ICONINFORMATION);
    Pump(100);
    Shot(frame, "preview-no-cups.png");
    host.exchangeDialogOwner = nullptr;
}

TEST_F(PreviewTest, SavesWhatItShowsAsAPdfWhereTheUserSays)
{
    ReportPreviewFrame* frame = Preview();
    ASSERT_NE(frame, nullptr);
    const std::string path = Saida("relatório.pdf");
    {
        FileChooserAnswer answer(path);
        frame->SavePdf();
        EXPECT_TRUE(answer.seen);
        EXPECT_EQ(answer.title, "Salvar relatório em PDF");
        EXPECT_EQ(answer.offeredName, "Usina São João - QD-Prévia.pdf");
    }
    EXPECT_TRUE(env.messages.shown.empty());
    ASSERT_TRUE(std::filesystem::exists(path));
    const std::string text = PdfText(path);
    EXPECT_NE(text.find("QD-Prévia"), std::string::npos) << text;
    EXPECT_NE(text.find("Linha de relatório número 90"), std::string::npos) << text;
    EXPECT_EQ(PdfPageCount(path), frame->PageCount());
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText().utf8_string(), "Relatório salvo em " + path + ".");

    // Ctrl+S asks again, in the folder of the last save; a name without ".pdf" gets it.
    {
        FileChooserAnswer answer(env.File("saida") + "/segunda");
        Key(frame, 'S', true);
        EXPECT_TRUE(answer.seen);
        EXPECT_EQ(answer.offeredFolder, env.File("saida"));
    }
    EXPECT_TRUE(std::filesystem::exists(env.File("saida") + "/segunda.pdf"));

    // Cancelled: nothing written, nothing said.
    const std::vector<std::string> before = Names(env.File("saida"));
    {
        FileChooserAnswer answer("");
        frame->SavePdf();
        EXPECT_TRUE(answer.seen);
    }
    EXPECT_EQ(Names(env.File("saida")), before);
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(PreviewTest, AFailedSaveIsToldAndKeepsTheFileItWasToReplace)
{
    ReportPreviewFrame* frame = Preview();
    ASSERT_NE(frame, nullptr);
    const std::string path = Saida("relatorio.pdf");
    std::ofstream(path) << "versão anterior";
    {
        // Past the chooser, a full disk stops the write halfway.
        FileSizeLimit disk(2000);
        FileChooserAnswer answer(path);
        answer.beforeAnswer = [&] { disk.Apply(); };
        frame->SavePdf();
        EXPECT_TRUE(answer.seen);
    }
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.messages.shown[0].text.rfind("Não foi possível gravar " + path + ": ", 0), 0u)
        << env.messages.shown[0].text;
    EXPECT_EQ(env.messages.shown[0].type & MB_ICON_MASK, MB_ICONERROR);
    EXPECT_EQ(Names(env.File("saida")), std::vector<std::string>{"relatorio.pdf"});
    EXPECT_EQ(zeltest::ReadFile(path), "versão anterior");
}

TEST_F(PreviewTest, KeysTurnPagesAndZoom)
{
    ReportPreviewFrame* frame = Preview();
    ASSERT_NE(frame, nullptr);
    ASSERT_GE(frame->PageCount(), 2);
    const int last = frame->PageCount() - 1;
    struct Step {
        int key;
        int page;     // expected page afterwards
        int zoom;     // +1 larger, -1 smaller, 0 the same
    };
    const Step steps[] = {
        {WXK_PAGEDOWN, 1, 0}, {WXK_PAGEDOWN, std::min(2, last), 0}, {WXK_HOME, 0, 0}, {WXK_END, last, 0},
        {WXK_PAGEUP, last - 1, 0}, {'+', last - 1, 1}, {'=', last - 1, 1}, {WXK_NUMPAD_ADD, last - 1, 1},
        {'-', last - 1, -1}, {WXK_NUMPAD_SUBTRACT, last - 1, -1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.key);
        const double zoom = frame->Zoom();
        Key(frame, step.key);
        EXPECT_EQ(frame->CurrentPage(), step.page);
        EXPECT_EQ(frame->Zoom() > zoom + 1e-9 ? 1 : frame->Zoom() < zoom - 1e-9 ? -1 : 0, step.zoom);
    }
}

TEST_F(PreviewTest, OpensAtThePagesWidthAndTheNextOneAsTheLastWasLeft)
{
    ReportPreviewFrame* frame = Preview();
    ASSERT_NE(frame, nullptr);
    // Most of the 1280 by 1024 screen, the page as wide as the window: larger than its real size.
    EXPECT_GE(frame->GetSize().x, 1000);
    EXPECT_GE(frame->GetSize().y, 800);
    EXPECT_GT(frame->Zoom(), 1.2);
    const double zoom = frame->Zoom();
    // The user makes it smaller.
    frame->SetSize(800, 600);
    Pump(200);
    EXPECT_LT(frame->Zoom(), zoom) << "the page follows the window's width";

    // Closed by the next run or by the user, the last size is the next one's.
    frame = Preview();
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->ShownMaximized());
    EXPECT_EQ(frame->GetSize(), wxSize(800, 600));
    frame->SetSize(900, 650);
    Pump(200);
    frame->Close(true);
    Pump(100);
    frame = Preview();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetSize(), wxSize(900, 650));
}

}  // namespace
