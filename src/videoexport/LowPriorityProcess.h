#pragma once

#include <QProcess>

// A process that runs below the program's own priority. An encoder keeps
// every core busy; at the same priority it takes turns with the window's
// thread, which then cannot repaint or react for a tenth of a second at a
// time.
class LowPriorityProcess : public QProcess
{
    Q_OBJECT
public:
    using QProcess::QProcess;

protected:
    void setupChildProcess() override;
};
