#pragma once
#include <QString>
#include <memory>

class QLockFile;

// Holds a lock for as long as the program runs; a second copy for the same data folder fails to take it.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &key);
    ~SingleInstance();
    bool alreadyRunning() const { return !owned_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool owned_ = false;
};
