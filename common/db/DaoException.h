#pragma once
// The failure every database operation throws: the engine's error information, or none when the data
// layer itself refused (a field read with the wrong type, a move with no current row).

#include <memory>
#include <stdexcept>
#include <string>

struct CDaoErrorInfo {
    long m_lErrorCode = 0;
    std::string m_strSource;
    std::string m_strDescription;
};

// Codes of the data layer's own errors (no error information).
inline constexpr int NO_AFX_DAO_ERROR = 0;
inline constexpr int AFX_DAO_ERROR_ENGINE_INITIALIZATION = 1000;
inline constexpr int AFX_DAO_ERROR_DFX_BIND = 2001;
inline constexpr int AFX_DAO_ERROR_OBJECT_NOT_OPEN = 2004;
inline constexpr int AFX_DAO_ERROR_NO_CURRENT_RECORD = 3021;  // what Jet says for a move past the end

class CDaoException : public std::exception {
public:
    CDaoException() = default;
    // An engine failure: carries its error information.
    CDaoException(long code, std::string source, std::string description);
    // A failure of the data layer itself: no error information.
    static CDaoException Layer(int afxDaoError, std::string what);

    const char* what() const noexcept override { return m_strWhat.c_str(); }

    std::shared_ptr<CDaoErrorInfo> m_pErrorInfo;  // null when the engine said nothing
    int m_nAfxDaoError = NO_AFX_DAO_ERROR;

private:
    std::string m_strWhat;
};
