#pragma once

#include <QLocalServer>
#include <QObject>

namespace tamiro {

// One running copy of the program for each user and display. The first copy to
// start holds a lock in the user's runtime folder for its whole life and
// listens on a socket beside it; a later start, even one at the same instant,
// finds the lock taken, tells the running copy through the socket and ends.
// Where there is no runtime folder to lock in or no socket to listen on, every
// copy runs.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance();
    ~SingleInstance() override;
    // False when another copy runs: it has been told, and this one must end.
    bool runs() const { return runs_; }

signals:
    // The program was started again while this copy runs.
    void startedAgain();

private:
    int lock_ = -1;
    bool runs_ = true;
    QLocalServer server_;
};

} // namespace tamiro
