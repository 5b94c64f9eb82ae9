#include "ReportComponent.h"

#include "AppContext.h"
#include "Clock.h"
#include "ReportData.h"
#include "ReportOutput.h"
#include "ReportPaginator.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

struct ReportComponent::Job {
    enum class Output { none, window, printer };

    short id = 0;
    short parent = 0;  // 0 for a main job
    std::shared_ptr<const ReportLayout> layout;
    std::string subreportName;
    std::vector<short> subjobs;

    std::map<int, std::string> locations;
    std::vector<int> locationsToCheck;
    std::map<std::string, ReportValue> formulas;  // lower-case names
    bool hasSelection = false;
    ReportExpression selection;

    Output output = Output::none;
    PreviewRequest preview;
    short copies = 1;
    bool printerSelected = false;
    std::string printer;
    short orientation = 0;
    bool hasOptions = false;
    CrystalPrintOptions options;

    ReportWindowHandle window = nullptr;
    std::shared_ptr<const RenderedReport> last;
};

namespace {

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::map<std::string, ReportValue> DefaultFormulas(const ReportLayout& layout)
{
    std::map<std::string, ReportValue> out;
    for (const auto& [name, text] : layout.formulas) {
        ReportValue v;
        std::string error;
        ParseFormulaValue(text, v, error);  // checked when the layout was read
        out[LowerName(name)] = v;
    }
    return out;
}

std::string Today()
{
    SystemClock system;
    const IClock* clock = AppContext().clock ? AppContext().clock : &system;
    LocalTime t = clock->Now();
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", t.day % 100, t.month % 100, t.year % 10000);
    return buffer;
}

IReportPreviewHost* PreviewHost()
{
    PrinterService* printers = AppContext().printer;
    return printers ? printers->PreviewHost() : nullptr;
}

}  // namespace

ReportComponent::ReportComponent() = default;
ReportComponent::~ReportComponent()
{
    if (m_open)
        CloseEngine();
}

int ReportComponent::Fail(short code, const std::string& text)
{
    m_errorCode = code;
    m_errorText = text;
    return 0;
}

void ReportComponent::Succeed()
{
    m_errorCode = REPORT_OK;
    m_errorText.clear();
}

ReportComponent::Job* ReportComponent::Find(short job)
{
    if (!m_open) {
        Fail(REPORT_ERR_NOT_OPEN, "O mecanismo de relatórios não está aberto.");
        return nullptr;
    }
    auto it = m_jobs.find(job);
    if (it == m_jobs.end()) {
        Fail(REPORT_ERR_BAD_JOB, "Tarefa de relatório inexistente: " + std::to_string(job) + ".");
        return nullptr;
    }
    return it->second.get();
}

int ReportComponent::OpenEngine()
{
    // The renderer needs a font map; without fontconfig's fonts nothing could be drawn.
    if (!pango_cairo_font_map_get_default())
        return Fail(REPORT_ERR_RENDER, "Nenhuma fonte disponível para desenhar os relatórios.");
    m_open = true;
    Succeed();
    return 1;
}

void ReportComponent::CloseEngine()
{
    for (auto& [id, job] : m_jobs)
        if (job->window)
            if (IReportPreviewHost* host = PreviewHost())
                host->Close(job->window);
    m_jobs.clear();
    m_texts.clear();
    m_open = false;
}

short ReportComponent::OpenJob(const std::string& reportPath)
{
    if (!m_open) {
        Fail(REPORT_ERR_NOT_OPEN, "O mecanismo de relatórios não está aberto.");
        return 0;
    }
    std::string error;
    std::shared_ptr<const ReportLayout> layout = LoadReportLayout(reportPath, error);
    if (!layout) {
        Fail(REPORT_ERR_LAYOUT, "Arquivo de relatório inválido: " + error);
        return 0;
    }
    return NewJob(layout);
}

short ReportComponent::NewJob(std::shared_ptr<const ReportLayout> layout)
{
    short id = 0;
    for (int tries = 0; tries < 32767 && id == 0; ++tries) {
        m_lastJob = static_cast<short>(m_lastJob >= 32767 ? 1 : m_lastJob + 1);
        if (!m_jobs.count(m_lastJob))
            id = m_lastJob;
    }
    if (id == 0) {
        Fail(REPORT_ERR_BAD_JOB, "Tarefas de relatório demais abertas.");
        return 0;
    }
    auto job = std::make_unique<Job>();
    job->id = id;
    job->layout = layout;
    job->formulas = DefaultFormulas(*layout);
    m_jobs[id] = std::move(job);
    Succeed();
    return id;
}

short ReportComponent::OpenSubreport(short parentJob, const std::string& subreportName)
{
    Job* parent = Find(parentJob);
    if (!parent)
        return 0;
    std::shared_ptr<const ReportLayout> sub = parent->layout->Subreport(subreportName);
    if (!sub) {
        Fail(REPORT_ERR_NO_SUBREPORT, "O relatório " + FileName(parent->layout->path) +
                                          " não tem o sub-relatório " + subreportName + ".");
        return 0;
    }
    short id = NewJob(sub);
    if (id == 0)
        return 0;
    Job& job = *m_jobs[id];
    job.parent = parentJob;
    job.subreportName = subreportName;
    m_jobs[parentJob]->subjobs.push_back(id);
    return id;
}

int ReportComponent::CloseJob(short id)
{
    Job* job = Find(id);
    if (!job)
        return 0;
    // A main job takes its subreports with it; a subreport leaves its parent's list.
    std::vector<short> subjobs = job->subjobs;
    for (short s : subjobs)
        m_jobs.erase(s);
    if (job->parent) {
        auto parent = m_jobs.find(job->parent);
        if (parent != m_jobs.end()) {
            std::vector<short>& list = parent->second->subjobs;
            list.erase(std::remove(list.begin(), list.end(), id), list.end());
        }
    }
    if (job->window)
        if (IReportPreviewHost* host = PreviewHost())
            host->Close(job->window);
    m_jobs.erase(id);
    Succeed();
    return 1;
}

int ReportComponent::SetTableLocation(short id, short table, const CrystalTableLocation& location)
{
    Job* job = Find(id);
    if (!job)
        return 0;
    if (location.StructSize != sizeof(CrystalTableLocation))
        return Fail(REPORT_ERR_RECORD, "Registro de localização de tabela com tamanho " +
                                           std::to_string(location.StructSize) + " (esperado 258).");
    const char* end = static_cast<const char*>(std::memchr(location.Location, '\0', sizeof location.Location));
    if (!end || end == location.Location)
        return Fail(REPORT_ERR_RECORD, "Localização de tabela vazia ou sem terminação.");
    if (!job->layout->TableByIndex(table))
        return Fail(REPORT_ERR_TABLE_INDEX, "O relatório " + FileName(job->layout->path) + " não tem a tabela " +
                                                std::to_string(table) + ".");
    job->locations[table] = std::string(location.Location, end);
    job->locationsToCheck.push_back(table);
    job->last.reset();
    Succeed();
    return 1;
}

int ReportComponent::RefreshData(short id)
{
    Job* job = Find(id);
    if (!job)
        return 0;
    // A new location is tried at once, so a wrong path is told where it was given, not at printing.
    ReportTableReader reader;
    for (int index : job->locationsToCheck) {
        const LayoutTable* table = job->layout->TableByIndex(index);
        try {
            std::string path = ResolveTableLocation(*job->layout, *table, job->locations);
            reader.Read(path, table->name, table->alias);
        } catch (const ReportDataError& e) {
            return Fail(REPORT_ERR_DATA, std::string("Dados do relatório inacessíveis: ") + e.what());
        }
    }
    job->locationsToCheck.clear();
    Succeed();
    return 1;
}

int ReportComponent::SetSelectionFormula(short id, const std::string& text)
{
    Job* job = Find(id);
    if (!job)
        return 0;
    ReportExpression e;
    try {
        e = ReportExpression::Parse(text);
    } catch (const ReportSyntaxError& x) {
        return Fail(REPORT_ERR_SELECTION, "Erro na fórmula de seleção \"" + text + "\": " + x.what());
    }
    for (const FieldRef& f : e.Fields())
        if (!job->layout->TableByAlias(f.table))
            return Fail(REPORT_ERR_SELECTION, "Fórmula de seleção com tabela desconhecida: {" + f.table + "." +
                                                  f.column + "}.");
    for (const std::string& f : e.Formulas())
        if (!job->layout->HasFormula(f))
            return Fail(REPORT_ERR_SELECTION, "Fórmula de seleção com fórmula desconhecida: {@" + f + "}.");
    job->selection = std::move(e);
    job->hasSelection = true;
    Succeed();
    return 1;
}

int ReportComponent::SetFormula(short id, const std::string& name, const std::string& text)
{
    Job* job = Find(id);
    if (!job)
        return 0;
    if (!job->layout->HasFormula(name))
        return Fail(REPORT_ERR_FORMULA_NAME, "Fórmula desconhecida no relatório " + FileName(job->layout->path) +
                                                 ": " + name + ".");
    ReportValue v;
    std::string why;
    if (!ParseFormulaValue(text, v, why))
        return Fail(REPORT_ERR_FORMULA, "Erro na fórmula " + name + ": " + why + ".");
    job->formulas[LowerName(name)] = v;
    Succeed();
    return 1;
}

int ReportComponent::SelectPrinter(short id, const std::string& driver, const std::string& printer,
                                   const std::string& port, const PrinterDeviceMode* mode)
{
    (void)driver;
    (void)port;
    Job* job = Find(id);
    if (!job)
        return 0;
    PrinterService* printers = AppContext().printer;
    if (!printers)
        return Fail(REPORT_ERR_PRINTER, "Serviço de impressão indisponível.");
    if (printer.empty() || !printers->HasPrinter(printer))
        return Fail(REPORT_ERR_PRINTER, "Impressora não encontrada: " + printer + ".");
    if (mode && mode->dmOrientation != 0 && mode->dmOrientation != DMORIENT_PORTRAIT &&
        mode->dmOrientation != DMORIENT_LANDSCAPE)
        return Fail(REPORT_ERR_PRINTER, "Orientação de página inválida: " + std::to_string(mode->dmOrientation) + ".");
    job->printerSelected = true;
    job->printer = printer;
    job->orientation = mode ? mode->dmOrientation : 0;
    Succeed();
    return 1;
}

int ReportComponent::SetPrintOptions(short id, const CrystalPrintOptions& options)
{
    Job* job = Find(id);
    if (!job)
        return 0;
    if (options.StructSize != sizeof(CrystalPrintOptions))
        return Fail(REPORT_ERR_RECORD, "Registro de opções de impressão com tamanho " +
                                           std::to_string(options.StructSize) + " (esperado 10).");
    bool all = options.startPageN == 0 && options.stopPageN == 0;
    if (!all && (options.startPageN < 1 || options.stopPageN < options.startPageN))
        return Fail(REPORT_ERR_PRINT_OPTIONS, "Intervalo de páginas inválido: " + std::to_string(options.startPageN) +
                                                  " a " + std::to_string(options.stopPageN) + ".");
    if (options.collation > 2)
        return Fail(REPORT_ERR_PRINT_OPTIONS, "Agrupamento de cópias inválido: " +
                                                  std::to_string(options.collation) + ".");
    job->options = options;
    job->hasOptions = true;
    Succeed();
    return 1;
}

int ReportComponent::OutputToPrinter(short id, short copies)
{
    Job* job = Find(id);
    if (!job)
        return 0;
    if (copies < 0)
        return Fail(REPORT_ERR_PRINT_OPTIONS, "Número de cópias inválido: " + std::to_string(copies) + ".");
    job->output = Job::Output::printer;
    job->copies = copies > 0 ? copies : 1;
    Succeed();
    return 1;
}

int ReportComponent::OutputToWindow(short id, const std::string& title, int left, int top, int width, int height,
                                    unsigned long style, ReportWindowHandle parent)
{
    Job* job = Find(id);
    if (!job)
        return 0;
    job->output = Job::Output::window;
    job->preview.title = title;
    job->preview.left = left;
    job->preview.top = top;
    job->preview.width = width;
    job->preview.height = height;
    job->preview.style = style;
    job->preview.parent = parent;
    Succeed();
    return 1;
}

ReportWindowHandle ReportComponent::GetWindowHandle(short id)
{
    Job* job = Find(id);
    if (!job)
        return nullptr;
    IReportPreviewHost* host = PreviewHost();
    if (!job->window || !host || !host->IsOpen(job->window)) {
        job->window = nullptr;
        Fail(REPORT_ERR_NO_WINDOW, "O relatório não tem janela de visualização aberta.");
        return nullptr;
    }
    Succeed();
    return job->window;
}

int ReportComponent::CloseWindow(short id)
{
    auto it = m_jobs.find(id);
    if (!m_open || it == m_jobs.end())
        return 0;
    Job& job = *it->second;
    int closed = 0;
    if (job.window)
        if (IReportPreviewHost* host = PreviewHost())
            if (host->IsOpen(job.window)) {
                host->Close(job.window);
                closed = 1;
            }
    job.window = nullptr;
    return closed;
}

short ReportComponent::GetErrorCode(short job)
{
    (void)job;  // one last error for the whole component, as the callers ask for it (job 0)
    return m_errorCode;
}

int ReportComponent::GetErrorText(short job, ReportTextHandle& handle, short& length)
{
    (void)job;
    std::string text = m_errorText.substr(0, 32000);
    handle = m_nextHandle++;
    m_texts[handle] = text;
    length = static_cast<short>(text.size() + 1);
    return 1;
}

int ReportComponent::CopyHandleText(ReportTextHandle handle, char* buffer, short length)
{
    auto it = m_texts.find(handle);
    if (it == m_texts.end() || !buffer || length <= 0)
        return 0;
    size_t n = std::min(it->second.size(), static_cast<size_t>(length - 1));
    std::memcpy(buffer, it->second.data(), n);
    buffer[n] = '\0';
    m_texts.erase(it);
    return 1;
}

std::shared_ptr<RenderedReport> ReportComponent::Render(Job& job)
{
    const ReportLayout& layout = *job.layout;
    try {
        ReportTableReader reader;
        ReportDataSet data(layout, job.locations, reader);
        data.Build(job.hasSelection ? &job.selection : nullptr, job.formulas);

        // Subreports read through their own jobs when the caller opened them, else as their layout says.
        std::vector<std::unique_ptr<ReportDataSet>> subData;
        std::vector<std::unique_ptr<std::map<std::string, ReportValue>>> subFormulas;
        PaginationInput in;
        for (const auto& [name, sub] : layout.subreports) {
            const Job* subjob = nullptr;
            for (short s : job.subjobs)
                if (SameName(m_jobs[s]->subreportName, name))
                    subjob = m_jobs[s].get();
            // A subreport table that no caller located and whose layout stores no location reads from
            // the database of the main report's first table.
            std::map<int, std::string> locations = subjob ? subjob->locations : std::map<int, std::string>{};
            auto mainFirst = layout.tables.empty() ? job.locations.end() : job.locations.find(layout.tables[0].index);
            for (const LayoutTable& t : sub->tables)
                if (!locations.count(t.index) && t.location.empty() && mainFirst != job.locations.end())
                    locations[t.index] = mainFirst->second;
            auto d = std::make_unique<ReportDataSet>(*sub, locations, reader);
            auto f = std::make_unique<std::map<std::string, ReportValue>>(subjob ? subjob->formulas
                                                                                 : DefaultFormulas(*sub));
            d->Build(subjob && subjob->hasSelection ? &subjob->selection : nullptr, *f);
            for (const LayoutBand& b : layout.bands)
                for (const LayoutItem& it : b.items)
                    if (it.kind == LayoutItem::Kind::subreport && SameName(it.subreport, name) && !d->HasField(it.linkSub))
                        throw ReportDataError("campo de ligação desconhecido {" + it.linkSub.table + "." +
                                              it.linkSub.column + "} em " + name);
            in.subreportData[LowerName(name)] = d.get();
            in.subreportFormulas[LowerName(name)] = f.get();
            subData.push_back(std::move(d));
            subFormulas.push_back(std::move(f));
        }
        in.layout = &layout;
        in.data = &data;
        in.formulas = &job.formulas;
        in.printDate = Today();
        in.landscape = job.orientation == DMORIENT_LANDSCAPE  ? true
                       : job.orientation == DMORIENT_PORTRAIT ? false
                                                              : layout.landscape;
        in.title = layout.title;
        return PaginateReport(in);
    } catch (const ReportDataError& e) {
        Fail(REPORT_ERR_DATA, std::string("Dados do relatório inacessíveis: ") + e.what());
    } catch (const std::exception& e) {
        Fail(REPORT_ERR_RENDER, std::string("Falha ao montar as páginas do relatório: ") + e.what());
    }
    return nullptr;
}

bool ReportComponent::Preview(Job& job, std::shared_ptr<const RenderedReport> report)
{
    IReportPreviewHost* host = PreviewHost();
    if (!host) {
        Fail(REPORT_ERR_PREVIEW, "Nenhuma janela de visualização disponível.");
        return false;
    }
    // One preview per job: a run replaces the window of the run before.
    if (job.window && host->IsOpen(job.window))
        host->Close(job.window);
    job.window = nullptr;
    PreviewRequest request = job.preview;
    if (request.title.empty())
        request.title = job.layout->title;
    ReportWindowHandle window = host->Show(std::move(report), request);
    if (!window) {
        Fail(REPORT_ERR_PREVIEW, "Não foi possível abrir a janela de visualização.");
        return false;
    }
    job.window = window;
    return true;
}

bool ReportComponent::Print(Job& job, const RenderedReport& report)
{
    PrinterService* printers = AppContext().printer;
    if (!printers) {
        Fail(REPORT_ERR_PRINTER, "Serviço de impressão indisponível.");
        return false;
    }
    std::string printer = job.printer;
    if (!job.printerSelected) {
        PrinterDevice device;
        if (!printers->GetApplicationPrinter(device)) {
            Fail(REPORT_ERR_PRINTER, "Nenhuma impressora instalada.");
            return false;
        }
        printer = device.device;
    }
    PrintRequest request;
    request.printer = printer;
    request.title = job.layout->title;
    request.copies = job.hasOptions && job.options.nReportCopies > 0 ? job.options.nReportCopies : job.copies;
    if (job.hasOptions) {
        request.firstPage = job.options.startPageN;
        request.lastPage = job.options.stopPageN;
        request.collation = job.options.collation;
    }
    std::string error;
    if (!FitPageRange(report, request, error)) {
        Fail(REPORT_ERR_PAGE_RANGE, error);
        return false;
    }
    // A file chooser the user cancels prints nothing, and that is no failure.
    if (PrintReport(*printers, report, request, error) == PrintOutcome::failed) {
        Fail(REPORT_ERR_PRINT, error);
        return false;
    }
    return true;
}

int ReportComponent::StartJob(short id, int wait)
{
    (void)wait;  // every run is complete when this returns
    Job* job = Find(id);
    if (!job)
        return 0;
    if (job->parent)
        return Fail(REPORT_ERR_SUBREPORT_JOB, "Um sub-relatório só sai com o relatório principal.");
    if (job->output == Job::Output::none)
        return Fail(REPORT_ERR_NO_DESTINATION, "Destino do relatório não definido (janela ou impressora).");
    std::shared_ptr<RenderedReport> report = Render(*job);
    if (!report)
        return 0;
    job->last = report;
    bool ok = job->output == Job::Output::window ? Preview(*job, report) : Print(*job, *report);
    if (!ok)
        return 0;
    Succeed();
    return 1;
}

int ReportComponent::ExportToPdf(short id, const std::string& path)
{
    Job* job = Find(id);
    if (!job)
        return 0;
    if (job->parent)
        return Fail(REPORT_ERR_SUBREPORT_JOB, "Um sub-relatório só sai com o relatório principal.");
    std::shared_ptr<RenderedReport> report = Render(*job);
    if (!report)
        return 0;
    job->last = report;
    std::string error;
    if (!SaveReportPdf(*report, path, error))
        return Fail(REPORT_ERR_PRINT, error);
    Succeed();
    return 1;
}

std::shared_ptr<const RenderedReport> ReportComponent::LastReport(short id) const
{
    auto it = m_jobs.find(id);
    return it == m_jobs.end() ? nullptr : it->second->last;
}
