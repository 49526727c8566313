#pragma once
#include <QString>

// Holds a lock for as long as the program runs; a second copy for the same data folder fails to take it.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &key);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;
    bool alreadyRunning() const { return !owned_; }

private:
    int fd_ = -1;
    bool owned_ = false;
};
