#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

// Ends the wait of anyone who opens the FIFO for reading: opens its other end and closes it at
// once, so a reader that should never have opened it meets end of file instead of hanging.
class FifoFeeder {
public:
    explicit FifoFeeder(const QString &path)
        : m_thread([this, name = QFile::encodeName(path)] {
              while (!m_stop) {
                  const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) {
                      ::close(fd);
                      m_readerCame = true;
                      return;
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(2));
              }
          })
    {
    }
    ~FifoFeeder()
    {
        m_stop = true;
        m_thread.join();
    }
    FifoFeeder(const FifoFeeder &) = delete;
    FifoFeeder &operator=(const FifoFeeder &) = delete;

    bool readerCame() const { return m_readerCame; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_readerCame{false};
    std::thread m_thread;
};
