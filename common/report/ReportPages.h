#pragma once
// Laid-out pages of a report, in points from the page's top left corner, and their drawing through cairo
// and pango: to a PDF file, to an image for the preview, or onto any cairo context.

#include "ReportLayout.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

struct PageElement {
    enum class Kind { text, line, box };
    Kind kind = Kind::text;
    double x = 0, y = 0, w = 0, h = 0;  // line: from (x, y) to (x + w, y + h)
    std::string text;
    TextStyle style;       // text: font, alignment, wrapping, gray
    double lineWidth = 0;  // line, box border
    double fill = -1;      // box
};

struct ReportPage {
    std::vector<PageElement> elements;  // in drawing order
};

// Pixels of one page drawn for the screen: 32 bits per pixel, native-endian 0x00RRGGBB (cairo RGB24).
struct PageImage {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<unsigned char> data;
};

class RenderedReport {
public:
    RenderedReport(std::string title, double widthPt, double heightPt)
        : m_title(std::move(title)), m_width(widthPt), m_height(heightPt) {}

    const std::string& Title() const { return m_title; }
    // The name a saved copy is offered under, without folder or extension.
    const std::string& FileName() const { return m_fileName; }
    void SetFileName(std::string name) { m_fileName = std::move(name); }
    double WidthPt() const { return m_width; }
    double HeightPt() const { return m_height; }
    bool Landscape() const { return m_width > m_height; }
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    const ReportPage& Page(int index) const { return m_pages.at(static_cast<size_t>(index)); }
    std::vector<ReportPage>& Pages() { return m_pages; }

    // Draws page index (0-based) at one point per user unit onto cr, which the caller may have scaled.
    void Paint(cairo_t* cr, int index) const;
    // Writes the pages first..last (1-based, 0 and 0 for all) as a PDF file; false with the reason in error.
    bool WritePdf(const std::string& path, std::string& error, int firstPage = 0, int lastPage = 0) const;
    // The same through sink, which takes every piece of the file in order and returns false to stop.
    using PdfSink = std::function<bool(const unsigned char* data, size_t length)>;
    bool WritePdf(const PdfSink& sink, std::string& error, int firstPage = 0, int lastPage = 0) const;
    // Draws page index on white at scale pixels per point.
    PageImage RenderImage(int index, double scale) const;
    // The text of every element of a page, top to bottom (for checks without a PDF reader).
    std::string PageText(int index) const;

private:
    // Draws the pages onto a new PDF surface and takes it down.
    bool WritePdfSurface(cairo_surface_t* surface, std::string& error, int firstPage, int lastPage) const;

    std::string m_title;
    std::string m_fileName;
    double m_width;
    double m_height;
    std::vector<ReportPage> m_pages;
};

// Measures texts the way Paint draws them (same font map, resolution and metrics), in points.
class TextMeasurer {
public:
    TextMeasurer();
    ~TextMeasurer();
    TextMeasurer(const TextMeasurer&) = delete;
    TextMeasurer& operator=(const TextMeasurer&) = delete;

    // The height of text laid out in width (wrapping unless the style says not to).
    double Height(const std::string& text, const TextStyle& style, double widthPt);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// Text as pango needs it: valid UTF-8 stays; a byte that is not (text kept in Latin-1 by an older
// program) is read as Latin-1, so "S\xe3o" prints "São" instead of nothing.
std::string ValidUtf8(const std::string& text);

inline constexpr double kPointsPerMm = 72.0 / 25.4;
inline constexpr double kA4WidthMm = 210.0;
inline constexpr double kA4HeightMm = 297.0;
