#pragma once
// A report layout: what a layout file (".zel" report, ".rpt" subreport) says, read into memory.
//
// The file is text, one statement a line, '#' starts a comment outside quotes and braces. Lengths are in
// millimetres, font sizes in points. A layout begins with "zel-report 1" and then gives:
//   title "Relatório"                 page A4 portrait|landscape        margins left top right bottom
//   filename "template"               the name a saved copy is offered under (a text template, below)
//   font "DejaVu Sans" 9              formula NAME "'default value'"
//   table INDEX NAME [as ALIAS] [location "file"]     the tables, by the index the callers locate them with;
//                                                      a location is relative to the layout's folder
//   data ALIAS                        the table whose rows are the report's rows
//   join ALIAS [on EXPRESSION]        adds the first row of ALIAS for which the expression holds (or its
//                                     first row, without "on"); a row without a match gets nulls
//   select EXPRESSION                 the record selection until a caller sets its own
//   sort EXPRESSION [desc]            sort keys, in order (the rows keep their stored order otherwise)
//   hierarchy {t.key} {t.parent}      orders the rows as a tree, depth first; {Level} gives the depth
//   group EXPRESSION                  a group level: its header prints when the value changes
//   subreport "NAME"                  a subreport, read from the file NAME beside this one
//   band KIND [group=N] [height=MM] [when EXPRESSION] ... end
//        KIND: reportheader pageheader groupheader detail groupfooter reportfooter pagefooter nodata
// Inside a band:
//   text X Y W H [bold] [italic] [size=PT] [font="F"] [align=left|center|right] [indent=MM] [nowrap]
//        [gray=0..1] "template" [when EXPRESSION]
//        A template is text with values: {table.column}, {@formula}, {PageNumber}, {=expression}, each with
//        an optional format after a colon ({t.c:%6.1f}, {t.d:date}); "{{" and "}}" are braces.
//   line X1 Y1 X2 Y2 [width=PT] [gray=0..1] [when EXPRESSION]
//   box X Y W H [fill=0..1] [border=PT] [when EXPRESSION]
//   subreport "NAME" X Y W link {parent.field} {sub.field} [when EXPRESSION]
// Expressions are those of ReportExpression.h.

#include "ReportExpression.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

struct LayoutTable {
    int index = 0;
    std::string name;
    std::string alias;
    std::string location;  // stored location, relative to the layout's folder; empty when none
};

struct LayoutJoin {
    std::string alias;
    ReportExpression on;  // empty: the first row
};

struct LayoutSort {
    ReportExpression key;
    bool descending = false;
};

struct TemplatePart {
    std::string literal;
    bool isValue = false;
    ReportExpression value;
    std::string format;
};

enum class TextAlign { left, center, right };

struct TextStyle {
    std::string family;
    double size = 9.0;
    bool bold = false;
    bool italic = false;
    TextAlign align = TextAlign::left;
    double indentPerLevel = 0.0;  // mm per {Level}
    bool wrap = true;
    double gray = 0.0;  // 0 black .. 1 white
};

struct LayoutItem {
    enum class Kind { text, line, box, subreport };
    Kind kind = Kind::text;
    double x = 0, y = 0, w = 0, h = 0;  // line: x, y to x2, y2
    double x2 = 0, y2 = 0;
    std::vector<TemplatePart> text;
    TextStyle style;
    double lineWidth = 0.5;  // points
    double fill = -1.0;      // box fill gray, -1 for none
    ReportExpression when;
    std::string subreport;
    ReportExpression linkParent;
    FieldRef linkSub;
    int line = 0;  // in the file, for messages
};

enum class BandKind { reportHeader, pageHeader, groupHeader, detail, groupFooter, reportFooter, pageFooter, noData };

struct LayoutBand {
    BandKind kind = BandKind::detail;
    int group = 1;
    double minHeight = 0.0;
    ReportExpression when;
    std::vector<LayoutItem> items;
};

struct ReportLayout {
    std::string path;
    std::string title;
    std::vector<TemplatePart> fileName;  // empty: the title
    bool landscape = false;
    double marginLeft = 15, marginTop = 12, marginRight = 15, marginBottom = 12;
    std::string fontFamily = "DejaVu Sans";
    double fontSize = 9.0;

    std::vector<std::pair<std::string, std::string>> formulas;  // name, default value text
    std::vector<LayoutTable> tables;
    std::string dataAlias;
    std::vector<LayoutJoin> joins;
    ReportExpression select;
    std::vector<LayoutSort> sorts;
    bool hierarchical = false;
    FieldRef hierarchyKey, hierarchyParent;
    std::vector<ReportExpression> groups;
    std::vector<LayoutBand> bands;

    std::vector<std::string> subreportNames;  // as declared
    std::map<std::string, std::shared_ptr<const ReportLayout>> subreports;

    const LayoutTable* TableByIndex(int index) const;
    const LayoutTable* TableByAlias(const std::string& alias) const;
    bool HasFormula(const std::string& name) const;
    std::shared_ptr<const ReportLayout> Subreport(const std::string& name) const;  // null when unknown
    std::string Folder() const;
};

// Reads a layout and the subreports it declares. Null on failure, with error naming the file and line.
std::shared_ptr<const ReportLayout> LoadReportLayout(const std::string& path, std::string& error);
// The same from text (for a file already read); folder is where its subreports and locations lie.
std::shared_ptr<const ReportLayout> ParseReportLayout(const std::string& text, const std::string& path,
                                                      std::string& error);
