#pragma once
// One open Lvsize project. The document never works on the project file: it works on a temporary copy
// (its working database) that the views, dialogs and the engine read and write directly. A save builds the
// new file beside the target under a temporary name and renames it over the target, so the last good file
// survives any failure. While the document is open it holds its project file (an advisory lock): another
// program opening the same project is told it is in use.

#include "Document.h"
#include "FileLocks.h"
#include "MessageMap.h"

#include <string>
#include <vector>

class CLvsizeDoc : public CProjectDocument, public CCmdTarget {
public:
    CLvsizeDoc();
    ~CLvsizeDoc() override;

    // Title of a new project, shown in the frame and printed in the reports.
    static constexpr const char* kTituloSemNome = "Projeto_LVSIZE_sem_nome";

    // What tells one program's project documents from another's (Mvsize's document is this one with its
    // own): the class named in error reports, the untitled project's title and what a save copies.
    struct Formato {
        const char* classe;                 // "CLvsizeDoc"
        const char* tituloSemNome;
        std::vector<const char*> tabelas;   // the circuit tables a save copies, in this order
        bool projetoPrimeiro;               // the projeto row before the circuit tables (else after)
        const char* programa;               // "Lvsize", in the messages that refuse another program's file
    };

    // The project template "ZelBt02.zel" every new project and every save starts from.
    std::string m_strTemplateFile;

    // The path, and the title it gives. The application enters the path in its recent-file list.
    void SetPathName(const std::string& path);
    bool IsModified() const { return CProjectDocument::IsModified(); }
    void SetModifiedFlag(bool bModified = true) { CProjectDocument::SetModifiedFlag(bModified); }
    void DeleteContents();
    int OnNewDocument();
    int OnOpenDocument(const std::string& path);
    int OnSaveDocument(const std::string& path);

    // The title a path gives: the file name without its directory, up to its last '.'.
    static std::string TitleFromPath(const std::string& path);

    // The name of a save's new file beside its target, before six letters or digits: the target's name
    // (shortened so that the new file's names stay valid) followed by ".ZEL".
    static std::string SaveTempPrefix(const std::string& target);

protected:
    explicit CLvsizeDoc(Formato formato);

private:
    std::string Local(const char* metodo) const { return std::string(m_formato.classe) + "::" + metodo; }
    // A failure that is about the project's data, not the system: reported with its text.
    void RelatarDados(const char* metodo, long codigo, const std::string& texto) const;
    // The project file's tables and columns are those of the program's template.
    bool EsquemaDoPrograma(const std::string& path);
    // The file's pages hold together (damage the engine meets only where it reads).
    bool ArquivoInteiro(const std::string& path);
    // Every value the template requires is there (else no save could ever write the project).
    bool ValoresObrigatorios(const std::string& path);
    // The template's indexes and triggers, and only those, in the working copy.
    bool EstruturaDoModelo(const std::string& path);
    // Circuits the tree cannot show (parent missing, or a loop of parents): reported once, by code.
    void VerificarArvore(const std::string& path);
    bool GravarArquivo(const std::string& path, const std::string& destino);
    Formato m_formato;
    FileLockKey m_projetoPreso;  // the project file, held while the document is open
};
