#include "CircuitoSelecionadoComum.h"

#include <utility>

namespace zeldlg {
namespace {

CircuitoProvider& Provider()
{
    static CircuitoProvider provider;
    return provider;
}

std::string& CompanyFile()
{
    static std::string path = "empresa.zel";
    return path;
}

}  // namespace

CircuitoProvider SetCircuitoSelecionadoProvider(CircuitoProvider provider)
{
    return std::exchange(Provider(), std::move(provider));
}

short GetCircuitoSelecionado()
{
    const CircuitoProvider& provider = Provider();
    return provider ? provider() : 0;
}

ScopedCircuitoSelecionado::ScopedCircuitoSelecionado(short circuito)
    : m_previous(SetCircuitoSelecionadoProvider([circuito] { return circuito; }))
{
}

ScopedCircuitoSelecionado::~ScopedCircuitoSelecionado()
{
    SetCircuitoSelecionadoProvider(std::move(m_previous));
}

void SetCompanyFile(const std::string& path)
{
    CompanyFile() = path;
}

const std::string& GetCompanyFile()
{
    return CompanyFile();
}

}  // namespace zeldlg
