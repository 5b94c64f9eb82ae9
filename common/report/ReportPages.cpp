#include "ReportPages.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace {

// Layouts are made at 72 dpi with unhinted metrics, so one pango unit per point whatever the output, and a
// text measured for the page breaks takes the same room on paper, in the PDF and in the preview.
void Configure(PangoContext* context)
{
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_cairo_context_set_resolution(context, 72.0);
}

PangoFontDescription* Font(const TextStyle& style)
{
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, style.family.empty() ? "DejaVu Sans" : style.family.c_str());
    pango_font_description_set_size(d, static_cast<gint>(std::lround(style.size * PANGO_SCALE)));
    pango_font_description_set_weight(d, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(d, style.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return d;
}

void Setup(PangoLayout* layout, const std::string& text, const TextStyle& style, double widthPt)
{
    PangoFontDescription* font = Font(style);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_width(layout, static_cast<int>(std::max(1.0, widthPt) * PANGO_SCALE));
    if (style.wrap) {
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    } else {
        pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    }
    pango_layout_set_alignment(layout, style.align == TextAlign::center  ? PANGO_ALIGN_CENTER
                                       : style.align == TextAlign::right ? PANGO_ALIGN_RIGHT
                                                                         : PANGO_ALIGN_LEFT);
    pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
}

void PaintElement(cairo_t* cr, const PageElement& e)
{
    switch (e.kind) {
    case PageElement::Kind::box:
        cairo_rectangle(cr, e.x, e.y, e.w, e.h);
        if (e.fill >= 0) {
            cairo_set_source_rgb(cr, e.fill, e.fill, e.fill);
            if (e.lineWidth > 0)
                cairo_fill_preserve(cr);
            else
                cairo_fill(cr);
        }
        if (e.lineWidth > 0) {
            cairo_set_source_rgb(cr, 0, 0, 0);
            cairo_set_line_width(cr, e.lineWidth);
            cairo_stroke(cr);
        }
        cairo_new_path(cr);
        break;
    case PageElement::Kind::line:
        cairo_set_source_rgb(cr, e.style.gray, e.style.gray, e.style.gray);
        cairo_set_line_width(cr, e.lineWidth);
        cairo_move_to(cr, e.x, e.y);
        cairo_line_to(cr, e.x + e.w, e.y + e.h);
        cairo_stroke(cr);
        break;
    case PageElement::Kind::text: {
        PangoLayout* layout = pango_cairo_create_layout(cr);
        Configure(pango_layout_get_context(layout));
        pango_layout_context_changed(layout);
        Setup(layout, e.text, e.style, e.w);
        cairo_set_source_rgb(cr, e.style.gray, e.style.gray, e.style.gray);
        cairo_move_to(cr, e.x, e.y);
        pango_cairo_show_layout(cr, layout);
        g_object_unref(layout);
        break;
    }
    }
}

}  // namespace

std::string ValidUtf8(const std::string& text)
{
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr))
        return text;
    std::string out;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const gchar* bad = nullptr;
        if (g_utf8_validate(p, end - p, &bad)) {
            out.append(p, end);
            break;
        }
        out.append(p, bad);
        unsigned char c = static_cast<unsigned char>(*bad);
        if (c == 0) {
            out += ' ';
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        p = bad + 1;
    }
    return out;
}

void RenderedReport::Paint(cairo_t* cr, int index) const
{
    cairo_save(cr);
    for (const PageElement& e : Page(index).elements)
        PaintElement(cr, e);
    cairo_restore(cr);
}

namespace {

cairo_status_t WriteToSink(void* closure, const unsigned char* data, unsigned int length)
{
    const auto& sink = *static_cast<RenderedReport::PdfSink*>(closure);
    return sink(data, length) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

bool RenderedReport::WritePdfSurface(cairo_surface_t* surface, std::string& error, int firstPage, int lastPage) const
{
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        error = cairo_status_to_string(cairo_surface_status(surface));
        cairo_surface_destroy(surface);
        return false;
    }
    int first = firstPage > 0 ? firstPage : 1;
    int last = lastPage > 0 ? std::min(lastPage, PageCount()) : PageCount();
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, m_title.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Zel");
    cairo_t* cr = cairo_create(surface);
    for (int i = first; i <= last; ++i) {
        Paint(cr, i - 1);
        cairo_show_page(cr);
    }
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    if (status == CAIRO_STATUS_SUCCESS)
        status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = cairo_status_to_string(status);
        return false;
    }
    return true;
}

bool RenderedReport::WritePdf(const std::string& path, std::string& error, int firstPage, int lastPage) const
{
    return WritePdfSurface(cairo_pdf_surface_create(path.c_str(), m_width, m_height), error, firstPage, lastPage);
}

bool RenderedReport::WritePdf(const PdfSink& sink, std::string& error, int firstPage, int lastPage) const
{
    PdfSink target = sink;
    return WritePdfSurface(cairo_pdf_surface_create_for_stream(WriteToSink, &target, m_width, m_height), error,
                           firstPage, lastPage);
}

PageImage RenderedReport::RenderImage(int index, double scale) const
{
    PageImage image;
    image.width = std::max(1, static_cast<int>(std::lround(m_width * scale)));
    image.height = std::max(1, static_cast<int>(std::lround(m_height * scale)));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_scale(cr, scale, scale);
    Paint(cr, index);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    image.stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    if (data)
        image.data.assign(data, data + static_cast<size_t>(image.stride) * static_cast<size_t>(image.height));
    cairo_surface_destroy(surface);
    return image;
}

std::string RenderedReport::PageText(int index) const
{
    std::vector<const PageElement*> texts;
    for (const PageElement& e : Page(index).elements)
        if (e.kind == PageElement::Kind::text)
            texts.push_back(&e);
    std::stable_sort(texts.begin(), texts.end(), [](const PageElement* a, const PageElement* b) {
        return a->y < b->y - 0.01 || (std::abs(a->y - b->y) <= 0.01 && a->x < b->x);
    });
    std::string out;
    for (const PageElement* e : texts)
        out += e->text + "\n";
    return out;
}

struct TextMeasurer::Impl {
    PangoContext* context = nullptr;
};

TextMeasurer::TextMeasurer() : m_impl(std::make_unique<Impl>())
{
    m_impl->context = pango_font_map_create_context(pango_cairo_font_map_get_default());
    Configure(m_impl->context);
}

TextMeasurer::~TextMeasurer() { g_object_unref(m_impl->context); }

double TextMeasurer::Height(const std::string& text, const TextStyle& style, double widthPt)
{
    PangoLayout* layout = pango_layout_new(m_impl->context);
    Setup(layout, text.empty() ? std::string(" ") : text, style, widthPt);
    int w = 0, h = 0;
    pango_layout_get_size(layout, &w, &h);
    g_object_unref(layout);
    return static_cast<double>(h) / PANGO_SCALE;
}
