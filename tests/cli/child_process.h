// Runs orvexal-calc as a child process with pipes to its standard streams.
#pragma once

#include <string>
#include <vector>

namespace orvexal::testing {

struct Finished {
    int status;
    std::string out;
    std::string err;
};

class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& args);
    void Write(const std::string& text);
    std::string ReadLine();  // one line of standard output, without "\n"
    Finished Finish();       // closes its input, reads the rest, waits

private:
    int pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    int err_ = -1;
};

// Runs to the end with the given standard input.
Finished RunToEnd(const std::vector<std::string>& args, const std::string& input = "");

}  // namespace orvexal::testing
