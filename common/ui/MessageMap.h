#pragma once
// Message maps: which handler of a class answers a command, an update of a command's state, a control's
// notification or a window message. Declared as the programs always did:
//
//   BEGIN_MESSAGE_MAP(CCaracteristicas, CDialog)
//       ON_CBN_KILLFOCUS(1045, OnKillfocusCabo)
//       ON_EN_CHANGE(1016, Validar)
//   END_MESSAGE_MAP()
//
// The entries of a class come before those of its base: the first entry that matches handles the message.

#include "WinTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CWnd;
class CCmdUI;

// A notification header, as tree controls and views receive it.
struct NMHDR {
    CWnd* hwndFrom = nullptr;
    int idFrom = 0;
    int code = 0;
};

// What a handler may be given along with the message.
struct MsgArgs {
    CCmdUI* pCmdUI = nullptr;
    CWnd* pWnd = nullptr;
    CPoint point;
    NMHDR* pNMHDR = nullptr;
    LRESULT* pResult = nullptr;
    UINT nID = 0;
};

enum class MapKind { Command, UpdateCommandUI, Notify, Message };

// Window messages a map can name.
inline constexpr int WM_DESTROY = 0x0002;
inline constexpr int WM_CONTEXTMENU = 0x007B;

// Control notifications (the codes of the original platform).
inline constexpr int EN_SETFOCUS = 0x0100;
inline constexpr int EN_KILLFOCUS = 0x0200;
inline constexpr int EN_CHANGE = 0x0300;
inline constexpr int CBN_SELCHANGE = 1;
inline constexpr int CBN_DBLCLK = 2;
inline constexpr int CBN_SETFOCUS = 3;
inline constexpr int CBN_KILLFOCUS = 4;
inline constexpr int CBN_EDITCHANGE = 5;
inline constexpr int CBN_DROPDOWN = 7;
inline constexpr int LBN_SELCHANGE = 1;
inline constexpr int LBN_DBLCLK = 2;
inline constexpr int LBN_SETFOCUS = 4;
inline constexpr int LBN_KILLFOCUS = 5;
inline constexpr int BN_CLICKED = 0;
inline constexpr int BN_DOUBLECLICKED = 5;
inline constexpr int BN_SETFOCUS = 6;
inline constexpr int BN_KILLFOCUS = 7;
inline constexpr int NM_CLICK = -2;
inline constexpr int NM_DBLCLK = -3;
inline constexpr int NM_RCLICK = -5;
inline constexpr int NM_SETFOCUS = -7;
inline constexpr int NM_KILLFOCUS = -8;
inline constexpr int TVN_SELCHANGED = -402;
inline constexpr int TVN_ITEMEXPANDED = -406;
// The grid's events (click, double click, current cell moved).
inline constexpr int GRIDN_CLICK = -600;
inline constexpr int GRIDN_DBLCLICK = -601;
inline constexpr int GRIDN_ROWCOLCHANGE = -602;

class MessageMap {
public:
    // false: not handled after all (ON_COMMAND_EX), the search goes on.
    using Handler = std::function<bool(const MsgArgs&)>;
    struct Entry {
        MapKind kind;
        int id;       // control or command id; kAnyId matches any (reflected notifications, messages)
        int lastId;   // range end (== id for one id)
        int code;     // notification code or window message; 0 for commands
        Handler handler;
    };
    static constexpr int kAnyId = -0x7FFFFFFF;

    void Add(MapKind kind, int id, int code, Handler h) { m_entries.push_back({kind, id, id, code, std::move(h)}); }
    void AddRange(MapKind kind, int id, int lastId, int code, Handler h) {
        m_entries.push_back({kind, id, lastId, code, std::move(h)});
    }
    const Entry* Find(MapKind kind, int id, int code, const Entry* after = nullptr) const;

private:
    std::vector<Entry> m_entries;
};

// Everything that can receive commands: windows, documents, templates, the application.
class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs this object's handler for the message; false when its map holds none.
    bool Dispatch(MapKind kind, int id, int code, const MsgArgs& args = {});
    bool HasHandler(MapKind kind, int id, int code = 0);

    // A command (from a menu, a tool-bar button, an accelerator, a button): true when handled here.
    virtual bool OnCmdMsg(int nID, const MsgArgs& args = {});
    // The update of a command's state: true when this object has an update handler for it.
    virtual bool OnUpdateCmdMsg(CCmdUI* pCmdUI);

protected:
    // Filled by BEGIN_MESSAGE_MAP ... END_MESSAGE_MAP; the base class's entries follow a class's own.
    virtual void DeclareMessageMap(MessageMap& /*map*/) {}

private:
    const MessageMap& Map();
    std::unique_ptr<MessageMap> m_map;
};

// The state of one command's user-interface elements (menu item, tool-bar button, status pane) as an
// update handler sets it.
class CCmdUI {
public:
    explicit CCmdUI(int id = 0) : m_nID(static_cast<UINT>(id)) {}
    UINT m_nID = 0;
    UINT m_nIndex = 0;

    void Enable(int bOn = 1) { m_enabled = bOn != 0; m_enableSet = true; }
    void SetCheck(int nCheck = 1) { m_check = nCheck; m_checkSet = true; }
    void SetRadio(int bOn = 1) { SetCheck(bOn ? 1 : 0); }
    void SetText(const std::string& text) { m_text = text; m_textSet = true; }
    void ContinueRouting() { m_continueRouting = true; }

    // What the handlers set.
    bool m_enabled = true;
    bool m_enableSet = false;
    int m_check = 0;
    bool m_checkSet = false;
    std::string m_text;
    bool m_textSet = false;
    bool m_continueRouting = false;
};

// Asks the targets in order for the state of pCmdUI's command: the first with an update handler decides;
// with none, the command is enabled when one of them handles it and disabled otherwise.
void UpdateCommandUI(const std::vector<CCmdTarget*>& route, CCmdUI& ui);
// Offers the command to the targets in order; true when one handled it.
bool RouteCommand(const std::vector<CCmdTarget*>& route, int id);

#define DECLARE_MESSAGE_MAP() \
protected:                    \
    void DeclareMessageMap(::MessageMap& zelMap) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                \
    void theClass::DeclareMessageMap(::MessageMap& zelMap) { \
        using ZelBaseClass = baseClass;
#define END_MESSAGE_MAP()                  \
    ZelBaseClass::DeclareMessageMap(zelMap); \
    }

#define ZEL_ON_NOTIFY0(code, id, fn) \
    zelMap.Add(::MapKind::Notify, (id), (code), [this](const ::MsgArgs&) { this->fn(); return true; });

#define ON_COMMAND(id, fn) zelMap.Add(::MapKind::Command, (id), 0, [this](const ::MsgArgs&) { this->fn(); return true; });
#define ON_COMMAND_RANGE(id, lastId, fn) \
    zelMap.AddRange(::MapKind::Command, (id), (lastId), 0, [this](const ::MsgArgs& a) { this->fn(a.nID); return true; });
// The handler returns a BOOL: FALSE passes the command on along its road.
#define ON_COMMAND_EX(id, fn) \
    zelMap.Add(::MapKind::Command, (id), 0, [this](const ::MsgArgs& a) { return this->fn(a.nID) != 0; });
#define ON_COMMAND_EX_RANGE(id, lastId, fn) \
    zelMap.AddRange(::MapKind::Command, (id), (lastId), 0, [this](const ::MsgArgs& a) { return this->fn(a.nID) != 0; });
#define ON_UPDATE_COMMAND_UI(id, fn) \
    zelMap.Add(::MapKind::UpdateCommandUI, (id), 0, [this](const ::MsgArgs& a) { this->fn(a.pCmdUI); return true; });
#define ON_BN_CLICKED(id, fn) ON_COMMAND(id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ZEL_ON_NOTIFY0(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ZEL_ON_NOTIFY0(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ZEL_ON_NOTIFY0(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ZEL_ON_NOTIFY0(EN_CHANGE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ZEL_ON_NOTIFY0(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ZEL_ON_NOTIFY0(EN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ZEL_ON_NOTIFY0(CBN_SELCHANGE, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ZEL_ON_NOTIFY0(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ZEL_ON_NOTIFY0(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ZEL_ON_NOTIFY0(CBN_EDITCHANGE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ZEL_ON_NOTIFY0(CBN_DROPDOWN, id, fn)
#define ON_CBN_DBLCLK(id, fn) ZEL_ON_NOTIFY0(CBN_DBLCLK, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ZEL_ON_NOTIFY0(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ZEL_ON_NOTIFY0(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ZEL_ON_NOTIFY0(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ZEL_ON_NOTIFY0(LBN_KILLFOCUS, id, fn)
#define ON_GRID_CLICK(id, fn) ZEL_ON_NOTIFY0(GRIDN_CLICK, id, fn)
#define ON_GRID_DBLCLICK(id, fn) ZEL_ON_NOTIFY0(GRIDN_DBLCLICK, id, fn)
#define ON_GRID_ROWCOLCHANGE(id, fn) ZEL_ON_NOTIFY0(GRIDN_ROWCOLCHANGE, id, fn)
#define ON_NOTIFY(code, id, fn) \
    zelMap.Add(::MapKind::Notify, (id), (code), [this](const ::MsgArgs& a) { this->fn(a.pNMHDR, a.pResult); return true; });
// A control's notification handled by the window that holds the control (a tree view's own tree).
#define ON_NOTIFY_REFLECT(code, fn)                                               \
    zelMap.Add(::MapKind::Notify, ::MessageMap::kAnyId, (code), [this](const ::MsgArgs& a) { \
        this->fn(a.pNMHDR, a.pResult);                                            \
        return true;                                                              \
    });
#define ON_WM_CONTEXTMENU()                                                                      \
    zelMap.Add(::MapKind::Message, ::MessageMap::kAnyId, WM_CONTEXTMENU, [this](const ::MsgArgs& a) { \
        this->OnContextMenu(a.pWnd, a.point);                                                    \
        return true;                                                                             \
    });
#define ON_WM_DESTROY() \
    zelMap.Add(::MapKind::Message, ::MessageMap::kAnyId, WM_DESTROY, [this](const ::MsgArgs&) { this->OnDestroy(); return true; });
