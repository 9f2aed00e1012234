#include "support/engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace {

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

EngineProcess::EngineProcess(const char* binary) {
    signal(SIGPIPE, SIG_IGN);  // an engine that exits mid-write must not kill the test
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        close(in[0]); close(in[1]); close(out[0]); close(out[1]);
        execl(binary, binary, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    to_engine_ = in[1];
    from_engine_ = out[0];
    fcntl(to_engine_, F_SETFL, O_NONBLOCK);
    fcntl(from_engine_, F_SETFL, O_NONBLOCK);
}

EngineProcess::~EngineProcess() {
    if (pid_ > 0 && exit_code_ == -1) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    CloseInput();
    if (from_engine_ >= 0) close(from_engine_);
}

bool EngineProcess::Collect(int timeout_ms) {
    if (output_closed_) return false;
    pollfd fd{from_engine_, POLLIN, 0};
    if (poll(&fd, 1, timeout_ms) <= 0) return true;
    char buffer[4096];
    const ssize_t n = read(from_engine_, buffer, sizeof buffer);
    if (n > 0) {
        output_.append(buffer, static_cast<size_t>(n));
        return true;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return true;
    output_closed_ = true;
    return false;
}

bool EngineProcess::Send(const std::string& text) {
    size_t sent = 0;
    while (sent < text.size()) {
        if (to_engine_ < 0) return false;
        pollfd fds[2] = {{to_engine_, POLLOUT, 0}, {from_engine_, POLLIN, 0}};
        poll(fds, output_closed_ ? 1 : 2, 1000);
        if (fds[0].revents & (POLLERR | POLLHUP)) return false;
        if (fds[0].revents & POLLOUT) {
            const ssize_t n = write(to_engine_, text.data() + sent, text.size() - sent);
            if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
            if (n > 0) sent += static_cast<size_t>(n);
        }
        if (!output_closed_ && (fds[1].revents & (POLLIN | POLLHUP))) Collect(0);
    }
    return true;
}

bool EngineProcess::ReadUntil(const std::string& needle, int timeout_ms, size_t from) {
    const int64_t deadline = NowMs() + timeout_ms;
    while (output_.find(needle, from) == std::string::npos) {
        const int64_t left = deadline - NowMs();
        if (left <= 0 || !Collect(static_cast<int>(left))) return output_.find(needle, from) != std::string::npos;
    }
    return true;
}

void EngineProcess::CloseInput() {
    if (to_engine_ >= 0) close(to_engine_);
    to_engine_ = -1;
}

int EngineProcess::Wait(int timeout_ms) {
    if (pid_ <= 0) return -1;
    const int64_t deadline = NowMs() + timeout_ms;
    while (!output_closed_ && NowMs() < deadline) Collect(static_cast<int>(deadline - NowMs()));
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return exit_code_;
        }
        if (NowMs() >= deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            exit_code_ = -2;
            return -1;
        }
        usleep(1000);
    }
}

EngineRun RunEngine(const std::string& input, int timeout_ms, const char* binary) {
    EngineProcess engine(binary);
    engine.Send(input);
    engine.CloseInput();
    const int code = engine.Wait(timeout_ms);
    return {engine.Output(), code};
}
