#include "DaoException.h"

CDaoException::CDaoException(long code, std::string source, std::string description)
    : m_pErrorInfo(std::make_shared<CDaoErrorInfo>()), m_strWhat(description)
{
    m_pErrorInfo->m_lErrorCode = code;
    m_pErrorInfo->m_strSource = std::move(source);
    m_pErrorInfo->m_strDescription = std::move(description);
}

CDaoException CDaoException::Layer(int afxDaoError, std::string what)
{
    CDaoException e;
    e.m_nAfxDaoError = afxDaoError;
    e.m_strWhat = std::move(what);
    return e;
}
