#pragma once
// The dialog base: a window made from its template, controls addressed by id, initialisation, dialog data
// exchange, OK and Cancel, modal through the application context's runner, or modeless.

#include "Controls.h"
#include "DialogTemplate.h"
#include "EditColor.h"
#include "FlexGrid.h"
#include "TreeCtrl.h"
#include "MessageService.h"
#include "UserException.h"

#include <memory>
#include <string>
#include <vector>

class CDataExchange;

class CDialog : public CWnd {
public:
    // The template registered under the id (RegisterDialogTemplate).
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(const DialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modal: returns the value given to EndDialog (IDOK, IDCANCEL, ...), -1 when it cannot run.
    virtual int DoModal();
    // Modeless: creates and shows the window; DestroyWindow ends it.
    int Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    int Create();
    int DestroyWindow();
    void EndDialog(int nResult);

    virtual int OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // TRUE: controls into members (may fail and return FALSE after telling the user); FALSE: the other way.
    int UpdateData(int bSaveAndValidate = 1);

    CWnd* GetDlgItem(int nID) const override;
    void SetDlgItemText(int nID, const std::string& text);
    int GetDlgItemText(int nID, std::string& text) const;
    std::string GetDlgItemText(int nID) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl();
    void SetDefID(int nID);
    int GetDefID() const;
    void CenterWindow() {}

    // --- for the hosts ---
    const DialogTemplate* GetTemplate() const { return m_template; }
    int GetTemplateId() const { return m_template ? m_template->id : static_cast<int>(m_nIDTemplate); }
    // Makes the controls of the template (the window); false without a template.
    bool CreateWindowModel();
    // Runs OnInitDialog; when it returns TRUE the first control that takes the focus gets it.
    void InitDialogModel();
    void DestroyWindowModel();
    bool IsEnded() const { return m_ended; }
    int GetModalResult() const { return m_result; }
    bool IsModeless() const { return m_modeless; }
    // The controls in template order, as the code holds them now (dialog members once attached).
    const std::vector<CWnd*>& GetControls() const { return m_controls; }
    const ControlTemplate& GetControlTemplate(std::size_t index) const { return m_template->controls[index]; }
    std::vector<CButton*> RadioGroupOf(int nID) const;
    // The id of the control that DDX_Control attached last (the host rebinds its widget).
    int GetLastAttachedId() const { return m_lastAttached; }
    // Attaches a member object to the template's control (what DDX_Control does the first time).
    void AttachControl(int nID, CWnd& control);

    // The user's actions. A click moves the focus to the button first (kill focus runs on the control that
    // had it) and happens only when the button is still enabled. Enter clicks the default button, Escape
    // and the close box ask for Cancel unless the Cancel button is disabled.
    void UserClickButton(int nID);
    void UserEnter();
    void UserCancel();
    void UserFocus(int nID);
    // A click on a control that is disabled (or hidden): the focus leaves the control that had it (its kill
    // focus runs) and goes to no control, so that nothing typed next lands in a field the user has left.
    void UserClickDisabled(int nID);

    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    int IndexOf(int nID) const;
    bool Focusable(const CWnd* w) const;

    const DialogTemplate* m_template = nullptr;
    UINT m_nIDTemplate = 0;
    std::vector<std::unique_ptr<CWnd>> m_owned;
    std::vector<CWnd*> m_controls;
    int m_result = -1;
    bool m_ended = false;
    bool m_modeless = false;
    int m_defId = IDOK;
    int m_lastAttached = 0;
};

// A failed data exchange throws CUserException (UpdateData then returns FALSE).

class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, int bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    int m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
    CWnd* PrepareCtrl(int nIDC);
    CWnd* PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }
    // Puts the focus on the last prepared control and abandons the exchange.
    [[noreturn]] void Fail();
    int m_idLastControl = 0;
};

// Dialog data exchange.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, unsigned char& value);
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, std::string& value);
// Loading sets the edit's limit; saving refuses a longer text.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars);
