#pragma once
// Another program in a test: a child process (fork) that does what the other program would, so that what
// only another process meets (advisory locks, a file in use) can be checked.

#include <chrono>
#include <filesystem>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

namespace zeltest {

// A child forked while another thread holds an allocator lock waits for it forever (seen under ASan with
// pango's font-config start-up thread). Such threads end by themselves: wait for them, a few seconds at most.
inline void EsperarSoUmaLinhaDeExecucao()
{
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    const auto linhas = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/task"), std::filesystem::directory_iterator{});
    };
    while (linhas() > 1 && std::chrono::steady_clock::now() < limite)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// Another program: a child process that runs body and exits with its result.
inline int EmOutroProcesso(const std::function<int()>& body)
{
    EsperarSoUmaLinhaDeExecucao();
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = body();
        } catch (...) {
        }
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Another program that keeps running: a child process that runs body, which calls the wait it is given once
// it holds what it holds (the parent goes on from there) and returns, after the parent's Encerrar or the end
// of the scope, the child's exit status.
class ProgramaVivo {
public:
    using Corpo = std::function<int(const std::function<void()>& esperar)>;

    explicit ProgramaVivo(const Corpo& body)
    {
        int pronto[2], fim[2];
        if (::pipe(pronto) != 0 || ::pipe(fim) != 0)
            throw std::runtime_error("pipe");
        EsperarSoUmaLinhaDeExecucao();
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(pronto[0]);
            ::close(fim[1]);
            int code = 98;
            try {
                code = body([&] {
                    char c = 1;
                    if (::write(pronto[1], &c, 1) == 1)
                        while (::read(fim[0], &c, 1) > 0) {
                        }
                });
            } catch (...) {
            }
            ::_exit(code);
        }
        ::close(pronto[1]);
        ::close(fim[0]);
        m_fim = fim[1];
        char c = 0;
        m_pronto = ::read(pronto[0], &c, 1) == 1;
        ::close(pronto[0]);
    }
    ~ProgramaVivo() { Encerrar(); }
    ProgramaVivo(const ProgramaVivo&) = delete;
    ProgramaVivo& operator=(const ProgramaVivo&) = delete;

    // The child reached its wait (false: it ended before).
    bool Pronto() const { return m_pronto; }
    // Lets the child go on to its end; its exit status.
    int Encerrar()
    {
        if (m_pid > 0) {
            ::close(m_fim);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            m_pid = -1;
        }
        return m_status;
    }

private:
    pid_t m_pid = -1;
    int m_fim = -1;
    bool m_pronto = false;
    int m_status = -1;
};

}  // namespace zeltest
