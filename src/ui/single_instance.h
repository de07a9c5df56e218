#pragma once
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace tarvo::ui {

// One running copy per program file: the first copy holds a lock named after its file's path and
// listens for later copies, which ask it to come forward and end.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& programPath, QObject* parent = nullptr);
    // True for the first copy. A later copy has already asked the first one to come forward.
    bool isFirst() const { return first_; }

signals:
    void raiseRequested();

private:
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
    bool first_ = false;
};

}  // namespace tarvo::ui
