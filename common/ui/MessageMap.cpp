#include "MessageMap.h"

#include "AppContext.h"

namespace {

// Update handlers run at every idle pass and every menu opening: a message box from one (a failed query
// reported by the error reporter) would come back without end. While they run, boxes are swallowed and
// answered with their default button; the item's state is whatever the handler set.
class SilentMessages : public IMessageService {
public:
    int MessageBox(const std::string& /*text*/, const std::string& /*caption*/, unsigned type) override {
        const unsigned buttons = type & MB_BUTTON_MASK;
        return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
    }
};

class SilenceScope {
public:
    SilenceScope() : m_previous(AppContext().messages) { AppContext().messages = &m_silent; }
    ~SilenceScope() { AppContext().messages = m_previous; }
    SilenceScope(const SilenceScope&) = delete;
    SilenceScope& operator=(const SilenceScope&) = delete;

private:
    SilentMessages m_silent;
    IMessageService* m_previous;
};

}  // namespace

const MessageMap::Entry* MessageMap::Find(MapKind kind, int id, int code, const Entry* after) const {
    bool started = after == nullptr;
    for (const Entry& e : m_entries) {
        if (!started) {
            started = &e == after;
            continue;
        }
        if (e.kind != kind || e.code != code) continue;
        if (e.id == kAnyId || (id >= e.id && id <= e.lastId)) return &e;
    }
    return nullptr;
}

const MessageMap& CCmdTarget::Map() {
    // Built on first use: the most derived class's entries are only known once construction is over.
    if (!m_map) {
        m_map = std::make_unique<MessageMap>();
        DeclareMessageMap(*m_map);
    }
    return *m_map;
}

bool CCmdTarget::Dispatch(MapKind kind, int id, int code, const MsgArgs& args) {
    MsgArgs a = args;
    a.nID = static_cast<UINT>(id);
    for (const MessageMap::Entry* e = Map().Find(kind, id, code); e; e = Map().Find(kind, id, code, e)) {
        // A copy: the handler may end the object's window, never the object itself while it runs.
        const MessageMap::Handler h = e->handler;
        if (h(a)) return true;
    }
    return false;
}

bool CCmdTarget::HasHandler(MapKind kind, int id, int code) { return Map().Find(kind, id, code) != nullptr; }

bool CCmdTarget::OnCmdMsg(int nID, const MsgArgs& args) { return Dispatch(MapKind::Command, nID, 0, args); }

bool CCmdTarget::OnUpdateCmdMsg(CCmdUI* pCmdUI) {
    MsgArgs a;
    a.pCmdUI = pCmdUI;
    return Dispatch(MapKind::UpdateCommandUI, static_cast<int>(pCmdUI->m_nID), 0, a);
}

void UpdateCommandUI(const std::vector<CCmdTarget*>& route, CCmdUI& ui) {
    SilenceScope silence;
    for (CCmdTarget* t : route) {
        if (!t) continue;
        ui.m_continueRouting = false;
        if (t->OnUpdateCmdMsg(&ui) && !ui.m_continueRouting) break;
    }
    if (ui.m_enableSet) return;
    bool handled = false;
    for (CCmdTarget* t : route) {
        if (t && t->HasHandler(MapKind::Command, static_cast<int>(ui.m_nID))) {
            handled = true;
            break;
        }
    }
    if (!ui.m_enableSet) ui.Enable(handled);
}

bool RouteCommand(const std::vector<CCmdTarget*>& route, int id) {
    for (CCmdTarget* t : route) {
        if (t && t->OnCmdMsg(id)) return true;
    }
    return false;
}
