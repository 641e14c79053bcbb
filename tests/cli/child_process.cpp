#include "child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvexal::testing {
namespace {

std::string ReadToEnd(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return text;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& args)
{
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) {
        return;
    }
    signal(SIGPIPE, SIG_IGN);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (const int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
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
}

void ChildProcess::Write(const std::string& text)
{
    [[maybe_unused]] const ssize_t written = write(in_, text.data(), text.size());
}

std::string ChildProcess::ReadLine()
{
    std::string line;
    for (char c; read(out_, &c, 1) == 1 && c != '\n';) {
        line += c;
    }
    return line;
}

Finished ChildProcess::Finish()
{
    close(in_);
    Finished done{-1, ReadToEnd(out_), ReadToEnd(err_)};
    int status = 0;
    waitpid(pid_, &status, 0);
    done.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return done;
}

Finished RunToEnd(const std::vector<std::string>& args, const std::string& input)
{
    ChildProcess child(args);
    child.Write(input);
    return child.Finish();
}

}  // namespace orvexal::testing
