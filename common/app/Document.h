#pragma once
// The document side of the shell that engines and dialogs see: a modified flag, a path, and for a project
// its working database.

#include <string>

class CDaoDatabase;

class CDocument {
public:
    virtual ~CDocument() = default;
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title) { m_strTitle = title; }

private:
    bool m_bModified = false;
    std::string m_strPathName;
    std::string m_strTitle;
};

// A sizing program's project: every dialog and the engine run their project SQL on m_pDatabase.
class CProjectDocument : public CDocument {
public:
    CDaoDatabase* m_pDatabase = nullptr;
};
