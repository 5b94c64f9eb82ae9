#include "ReportPaginator.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kPageMarker = "\x01P\x01";
// No field of the reports holds more than a few hundred characters; a text far longer (a damaged or
// hand-edited file) is cut, with an ellipsis, so that it neither fills pages nor takes minutes to lay out.
constexpr size_t kMaxTextChars = 1000;
const char* const kTotalMarker = "\x01T\x01";

struct Block {
    double height = 0;  // points
    std::vector<PageElement> elements;  // x on the page, y from the block's top
    bool keepWithNext = false;
    const DataRow* row = nullptr;  // the main report's row it belongs to
};

struct Context {
    const ReportLayout* layout;
    const ReportDataSet* data;
    const std::map<std::string, ReportValue>* formulas;
    double xOffsetMm;   // from the page's left edge
    const DataRow* mainRow;  // for a subreport: the row of the main report that holds it
};

class Paginator {
public:
    explicit Paginator(const PaginationInput& in) : m_in(in)
    {
        m_special = [this](const std::string& name, const DataRow* row) -> ReportValue {
            if (SameName(name, "PageNumber"))
                return ReportValue::Text(kPageMarker);
            if (SameName(name, "TotalPages"))
                return ReportValue::Text(kTotalMarker);
            if (SameName(name, "PrintDate"))
                return ReportValue::Text(m_in.printDate);
            if (SameName(name, "Level"))
                return ReportValue::Number(row ? row->level : 0);
            return ReportValue::Null();
        };
    }

    std::shared_ptr<RenderedReport> Run()
    {
        const ReportLayout& L = *m_in.layout;
        double wMm = m_in.landscape ? kA4HeightMm : kA4WidthMm;
        double hMm = m_in.landscape ? kA4WidthMm : kA4HeightMm;
        auto report = std::make_shared<RenderedReport>(m_in.title, wMm * kPointsPerMm, hMm * kPointsPerMm);
        m_pageHeight = report->HeightPt();

        Context main{&L, m_in.data, m_in.formulas, L.marginLeft, nullptr};
        std::vector<const DataRow*> rows;
        for (const DataRow& r : m_in.data->Rows())
            rows.push_back(&r);
        std::vector<Block> blocks;
        Body(main, rows, blocks, true);

        const DataRow* firstRow = rows.empty() ? &m_in.data->EmptyRow() : rows.front();
        std::vector<Block> footerProbe = PageBand(BandKind::pageFooter, firstRow);
        double footerHeight = 0;
        for (const Block& b : footerProbe)
            footerHeight += b.height;
        double top = L.marginTop * kPointsPerMm;
        double bodyBottom = m_pageHeight - L.marginBottom * kPointsPerMm - footerHeight;

        std::vector<ReportPage>& pages = report->Pages();
        double cursor = 0;
        bool pageHasBody = false;
        const DataRow* lastRowOnPage = firstRow;
        auto startPage = [&](const DataRow* row) {
            pages.emplace_back();
            cursor = top;
            pageHasBody = false;
            for (Block& b : PageBand(BandKind::pageHeader, row ? row : firstRow))
                Place(pages.back(), b, cursor);
        };
        auto finishPage = [&]() {
            double y = m_pageHeight - L.marginBottom * kPointsPerMm - footerHeight;
            for (Block& b : PageBand(BandKind::pageFooter, lastRowOnPage))
                Place(pages.back(), b, y);
        };

        startPage(blocks.empty() ? firstRow : blocks.front().row);
        for (size_t i = 0; i < blocks.size(); ++i) {
            double need = 0;
            for (size_t j = i; j < blocks.size(); ++j) {
                need += blocks[j].height;
                if (!blocks[j].keepWithNext)
                    break;
            }
            need = std::min(need, bodyBottom - top);
            if (pageHasBody && cursor + need > bodyBottom + 0.01) {
                finishPage();
                startPage(blocks[i].row);
            }
            Place(pages.back(), blocks[i], cursor);
            pageHasBody = true;
            if (blocks[i].row)
                lastRowOnPage = blocks[i].row;
        }
        finishPage();

        std::string total = std::to_string(pages.size());
        for (size_t p = 0; p < pages.size(); ++p) {
            std::string number = std::to_string(p + 1);
            for (PageElement& e : pages[p].elements) {
                if (e.kind != PageElement::Kind::text || e.text.find('\x01') == std::string::npos)
                    continue;
                Replace(e.text, kPageMarker, number);
                Replace(e.text, kTotalMarker, total);
            }
        }
        RowScope first(*m_in.data, firstRow, *m_in.formulas, &m_special);
        report->SetFileName(L.fileName.empty() ? m_in.title : Expand(L.fileName, first));
        return report;
    }

private:
    static std::string CutLongText(std::string text)
    {
        size_t chars = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
                continue;  // inside a character
            if (++chars > kMaxTextChars) {
                text.resize(i);
                return text + "…";
            }
        }
        return text;
    }

    static void Replace(std::string& s, const std::string& what, const std::string& with)
    {
        for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + with.size()))
            s.replace(at, what.size(), with);
    }

    static void Place(ReportPage& page, Block& b, double& cursor)
    {
        for (PageElement& e : b.elements) {
            e.y += cursor;
            page.elements.push_back(std::move(e));
        }
        cursor += b.height;
    }

    std::vector<Block> PageBand(BandKind kind, const DataRow* row)
    {
        Context c{m_in.layout, m_in.data, m_in.formulas, m_in.layout->marginLeft, nullptr};
        std::vector<Block> out;
        for (const LayoutBand& band : m_in.layout->bands)
            if (band.kind == kind)
                Band(c, band, row, out, false);
        return out;
    }

    // The bands of a report body (the main report or one subreport's rows of one main row).
    void Body(const Context& c, const std::vector<const DataRow*>& rows, std::vector<Block>& out, bool isMain)
    {
        const ReportLayout& L = *c.layout;
        if (rows.empty()) {
            bool hasNoData = std::any_of(L.bands.begin(), L.bands.end(),
                                         [](const LayoutBand& b) { return b.kind == BandKind::noData; });
            if (!isMain && !hasNoData)
                return;  // a subreport with nothing to list leaves no trace
            const DataRow* empty = &c.data->EmptyRow();
            Bands(c, BandKind::reportHeader, 0, empty, out, true);
            Bands(c, BandKind::noData, 0, empty, out, false);
            Bands(c, BandKind::reportFooter, 0, empty, out, false);
            if (!out.empty())
                out.back().keepWithNext = false;
            return;
        }
        Bands(c, BandKind::reportHeader, 0, rows.front(), out, true);
        size_t levels = L.groups.size();
        std::vector<ReportValue> previous;
        for (size_t i = 0; i < rows.size(); ++i) {
            const DataRow* row = rows[i];
            RowScope scope(*c.data, row, *c.formulas, &m_special);
            std::vector<ReportValue> keys;
            for (const ReportExpression& g : L.groups)
                keys.push_back(g.Evaluate(scope));
            size_t changed = 0;
            if (i > 0) {
                changed = levels;
                for (size_t g = 0; g < levels; ++g)
                    if (CompareValues(keys[g], previous[g]) != 0) {
                        changed = g;
                        break;
                    }
                for (size_t g = levels; g > changed; --g)
                    Bands(c, BandKind::groupFooter, static_cast<int>(g), rows[i - 1], out, false);
            }
            for (size_t g = changed; g < levels; ++g)
                Bands(c, BandKind::groupHeader, static_cast<int>(g + 1), row, out, true);
            Bands(c, BandKind::detail, 0, row, out, false);
            previous = std::move(keys);
        }
        for (size_t g = levels; g > 0; --g)
            Bands(c, BandKind::groupFooter, static_cast<int>(g), rows.back(), out, false);
        Bands(c, BandKind::reportFooter, 0, rows.back(), out, false);
    }

    void Bands(const Context& c, BandKind kind, int group, const DataRow* row, std::vector<Block>& out, bool keep)
    {
        for (const LayoutBand& band : c.layout->bands)
            if (band.kind == kind && (group == 0 || band.group == group))
                Band(c, band, row, out, keep);
    }

    std::string Expand(const std::vector<TemplatePart>& parts, const ReportScope& scope)
    {
        std::string s;
        for (const TemplatePart& p : parts)
            s += p.isValue ? FormatValue(p.value.Evaluate(scope), p.format) : p.literal;
        return ValidUtf8(s);
    }

    // One band for one row: a block for its items, split where a subreport stands, the subreport's blocks
    // in between.
    void Band(const Context& c, const LayoutBand& band, const DataRow* row, std::vector<Block>& out, bool keep)
    {
        RowScope scope(*c.data, row, *c.formulas, &m_special);
        if (!band.when.IsEmpty() && !band.when.Evaluate(scope).IsTrue())
            return;
        std::vector<const LayoutItem*> items;
        for (const LayoutItem& it : band.items)
            items.push_back(&it);
        std::stable_sort(items.begin(), items.end(), [](const LayoutItem* a, const LayoutItem* b) { return a->y < b->y; });

        const DataRow* owner = c.mainRow ? c.mainRow : row;
        double segmentTop = 0;  // mm, in the band's coordinates
        double bottom = 0;      // pt, from the block's top
        std::vector<std::pair<double, double>> growth;  // original bottom (mm), growth (pt)
        Block block;
        block.row = owner;
        block.keepWithNext = keep;
        auto shiftAt = [&](double yMm) {
            double s = 0;
            for (auto [b, g] : growth)
                if (b <= yMm + 1e-6)
                    s += g;
            return s;
        };
        auto close = [&](double minHeightPt) {
            block.height = std::max(bottom, minHeightPt);
            if (block.height > 0 || !block.elements.empty())
                out.push_back(std::move(block));
            block = Block();
            block.row = owner;
            block.keepWithNext = keep;
            bottom = 0;
            growth.clear();
        };
        double level = row ? row->level : 0;
        for (const LayoutItem* it : items) {
            if (!it->when.IsEmpty() && !it->when.Evaluate(scope).IsTrue())
                continue;
            double y = (it->y - segmentTop) * kPointsPerMm + shiftAt(it->y);
            double x = (c.xOffsetMm + it->x) * kPointsPerMm;
            PageElement e;
            switch (it->kind) {
            case LayoutItem::Kind::text: {
                double indent = std::min(it->style.indentPerLevel * level, it->w * 0.6) * kPointsPerMm;
                e.kind = PageElement::Kind::text;
                e.text = CutLongText(Expand(it->text, scope));
                e.style = it->style;
                e.x = x + indent;
                e.y = y;
                e.w = it->w * kPointsPerMm - indent;
                // A text taller than its box grows the box, keeping a little of the room a one-line text
                // leaves under itself so that the next row does not touch it.
                double h = it->h * kPointsPerMm;
                double grown = h;
                if (e.style.wrap) {
                    double measured = m_measure.Height(e.text, e.style, e.w);
                    if (measured > h) {
                        double oneLine = m_measure.Height("X", e.style, e.w);
                        grown = measured + std::min(std::max(0.0, h - oneLine), 2.0);
                    }
                }
                if (grown > h + 0.01)
                    growth.emplace_back(it->y + it->h, grown - h);
                e.h = grown;
                bottom = std::max(bottom, e.y + e.h);
                block.elements.push_back(std::move(e));
                break;
            }
            case LayoutItem::Kind::line:
                e.kind = PageElement::Kind::line;
                e.x = x;
                e.y = y;
                e.w = (it->x2 - it->x) * kPointsPerMm;
                e.h = (it->y2 - it->y) * kPointsPerMm;
                e.lineWidth = it->lineWidth;
                e.style.gray = it->style.gray;
                bottom = std::max(bottom, std::max(e.y, e.y + e.h) + it->lineWidth / 2);
                block.elements.push_back(std::move(e));
                break;
            case LayoutItem::Kind::box:
                e.kind = PageElement::Kind::box;
                e.x = x;
                e.y = y;
                e.w = it->w * kPointsPerMm;
                e.h = it->h * kPointsPerMm;
                e.fill = it->fill;
                e.lineWidth = it->lineWidth;
                bottom = std::max(bottom, e.y + e.h);
                block.elements.push_back(std::move(e));
                break;
            case LayoutItem::Kind::subreport: {
                block.keepWithNext = true;  // the line that announces a list stays with its first rows
                close(y);
                Subreport(c, *it, scope, owner, out);
                segmentTop = it->y;
                break;
            }
            }
        }
        close(std::max(0.0, (band.minHeight - segmentTop)) * kPointsPerMm);
    }

    void Subreport(const Context& c, const LayoutItem& it, const ReportScope& scope, const DataRow* owner,
                   std::vector<Block>& out)
    {
        std::shared_ptr<const ReportLayout> sub = c.layout->Subreport(it.subreport);
        std::string key = LowerName(it.subreport);
        auto data = m_in.subreportData.find(key);
        auto formulas = m_in.subreportFormulas.find(key);
        if (!sub || data == m_in.subreportData.end() || !data->second || formulas == m_in.subreportFormulas.end())
            throw ReportDataError("dados do sub-relatório " + it.subreport + " não disponíveis");
        ReportValue link = it.linkParent.Evaluate(scope);
        std::vector<const DataRow*> rows = data->second->RowsWhere(it.linkSub, link);
        Context sc{sub.get(), data->second, formulas->second, c.xOffsetMm + it.x, owner};
        Body(sc, rows, out, false);
    }

    const PaginationInput& m_in;
    RowScope::SpecialFn m_special;
    TextMeasurer m_measure;
    double m_pageHeight = 0;
};

}  // namespace

std::shared_ptr<RenderedReport> PaginateReport(const PaginationInput& input)
{
    Paginator p(input);
    return p.Run();
}
