#include "child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace orvexal::testing {
namespace {

std::string ReadToEnd(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& args)
{
    int in[2];
    int out[2];
    int err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) {
        throw std::runtime_error("pipe");
    }
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
            close(fd);
        }
        std::vector<char*> argv;
        for (const auto& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    in_ = in[1];
    out_ = out[0];
    err_ = err[0];
    signal(SIGPIPE, SIG_IGN);
}

ChildProcess::~ChildProcess()
{
    CloseInput();
    for (int fd : {out_, err_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
    if (pid_ > 0) {
        Wait();
    }
}

void ChildProcess::Write(const std::string& text)
{
    if (write(in_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        throw std::runtime_error("write to child");
    }
}

std::string ChildProcess::ReadLine()
{
    std::string line;
    char c;
    while (read(out_, &c, 1) == 1 && c != '\n') {
        line += c;
    }
    return line;
}

void ChildProcess::CloseInput()
{
    if (in_ >= 0) {
        close(in_);
        in_ = -1;
    }
}

std::string ChildProcess::ReadAllOutput() { return ReadToEnd(out_); }
std::string ChildProcess::ReadAllErrors() { return ReadToEnd(err_); }

int ChildProcess::Wait()
{
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Finished RunToEnd(const std::vector<std::string>& args, const std::string& input)
{
    ChildProcess child(args);
    child.Write(input);
    child.CloseInput();
    Finished done;
    done.out = child.ReadAllOutput();
    done.err = child.ReadAllErrors();
    done.status = child.Wait();
    return done;
}

}  // namespace orvexal::testing
