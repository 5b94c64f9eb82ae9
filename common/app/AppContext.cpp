#include "AppContext.h"

#include "Document.h"

namespace {

SystemClock g_systemClock;

CAppContext& DefaultContext()
{
    static CAppContext context = [] {
        CAppContext c;
        c.clock = &g_systemClock;
        return c;
    }();
    return context;
}

CAppContext* g_current = nullptr;

}  // namespace

CAppContext& AppContext()
{
    return g_current ? *g_current : DefaultContext();
}

ScopedAppContext::ScopedAppContext(CAppContext& context) : m_previous(g_current)
{
    if (!context.clock)
        context.clock = &g_systemClock;
    g_current = &context;
}

ScopedAppContext::~ScopedAppContext()
{
    g_current = m_previous;
}

int AfxMessageBox(const std::string& text, unsigned type)
{
    CAppContext& context = AppContext();
    if (!context.messages)
        return (type & MB_BUTTON_MASK) == MB_YESNO || (type & MB_BUTTON_MASK) == MB_YESNOCANCEL ? IDYES : IDOK;
    return context.messages->MessageBox(text, context.appTitle, type);
}

CProjectDocument* GetActiveProjectDocument()
{
    const CAppContext& context = AppContext();
    if (!context.activeDocument)
        return nullptr;
    return dynamic_cast<CProjectDocument*>(context.activeDocument());
}
