#pragma once
// A named pipe that cannot keep a test waiting. Opening a pipe for reading waits until something
// opens it for writing: every 5 s a writer opens it and closes it at once, which lets such a reader
// go on (it finds the pipe empty), and Freigegeben() tells the test, which fails instead of hanging.
#include <sys/stat.h>

#include <condition_variable>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <thread>
#include <unistd.h>

class Pipenwache {
public:
    explicit Pipenwache(const std::filesystem::path& pfad) : pfad_(pfad.string())
    {
        ::mkfifo(pfad_.c_str(), 0600);
        faden_ = std::thread([this] {
            std::unique_lock lock(mutex_);
            while (!wecken_.wait_for(lock, std::chrono::seconds(5), [this] { return ende_; })) {
                // Opens only while a reader has the pipe open or waits in its opening.
                const int fd = ::open(pfad_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd < 0) continue;
                freigegeben_ = true;
                ::close(fd);
            }
        });
    }
    ~Pipenwache()
    {
        {
            const std::lock_guard lock(mutex_);
            ende_ = true;
        }
        wecken_.notify_all();
        faden_.join();
    }

    std::string Pfad() const { return pfad_; }
    bool Freigegeben() const
    {
        const std::lock_guard lock(mutex_);
        return freigegeben_;
    }

private:
    std::string pfad_;
    mutable std::mutex mutex_;
    std::condition_variable wecken_;
    bool ende_ = false;
    bool freigegeben_ = false;
    std::thread faden_;
};
