#include "SystemError.h"

#include <cerrno>
#include <cstring>

std::string SystemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return "O disco está cheio.";
    case EDQUOT:
        return "A cota de disco do usuário se esgotou.";
    case EACCES:
    case EPERM:
        return "Permissão negada.";
    case EROFS:
        return "O disco ou a pasta é somente leitura.";
    case ENOENT:
        return "O arquivo ou a pasta não existe.";
    case ENOTDIR:
        return "Uma parte do caminho não é uma pasta.";
    case EISDIR:
        return "O caminho é uma pasta, não um arquivo.";
    case EEXIST:
        return "O arquivo já existe.";
    case ENAMETOOLONG:
        return "O nome do arquivo é longo demais.";
    case EIO:
        return "Erro de leitura ou gravação no disco.";
    case EBUSY:
    case ETXTBSY:
    case EWOULDBLOCK:
        return "O arquivo está em uso por outro programa.";
    case EMFILE:
    case ENFILE:
        return "Há arquivos abertos demais.";
    case ENOMEM:
        return "Não há memória suficiente.";
    case EXDEV:
        return "O arquivo não pode ser movido para outro disco.";
    case ELOOP:
        return "O caminho tem ligações simbólicas demais.";
    case EFBIG:
        return "O arquivo é grande demais.";
    case EINVAL:
        return "Argumento inválido.";
    case 0:
        return "Erro desconhecido.";
    default: {
        char buffer[256];
        // The GNU strerror_r returns the text, which may not be in the buffer.
        const char* text = strerror_r(errorNumber, buffer, sizeof buffer);
        return text ? text : "Erro desconhecido.";
    }
    }
}
