#include "DialogoAusente.h"

#include "AppContext.h"
#include "MessageService.h"

#include <string>

int DialogoAusente(const char* nome)
{
    AfxMessageBox(std::string("O diálogo ") + nome + " não faz parte desta versão do programa.",
                  MB_OK | MB_ICONINFORMATION);
    return IDCANCEL;
}
